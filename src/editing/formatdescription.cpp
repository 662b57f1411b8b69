// The format column of the dictionary table: an object's access and format in a few words.
#include "editing/formatdescription.h"

#include "app/integertext.h"
#include "app/translator.h"
#include "editing/unitlists.h"
#include "model/dictobject.h"
#include "model/numbertext.h"

namespace tabrin::editing {
namespace {

std::string accessPrefix(model::Access access) {
    switch (access) {
    case model::Access::Viewable: return "R.";
    case model::Access::Editable: return "W.";
    case model::Access::Protected: return "P.";
    case model::Access::Secret: return "S.";
    case model::Access::Unknown: break;
    }
    return {};
}

std::string signLetter(const std::string& isSigned) {
    if (isSigned == "true") return "I";
    if (isSigned == "false") return "U";
    return {};
}

std::string itemOf(const std::vector<std::string>& list, int position) {
    return position >= 0 && position < static_cast<int>(list.size()) ? list[static_cast<std::size_t>(position)]
                                                                     : std::string();
}

std::string scaleNumber(int scaleNum) {
    return model::numberToHexText(static_cast<std::uint32_t>(scaleNum), 2);
}

}  // namespace

std::string describeFormat(const model::DictObject& o, const UnitLists& lists, app::Translator& translator) {
    if (!app::toInteger(o.format)) return translator.tr("не задан");
    if (o.formatType() == model::FormatType::Root) return translator.tr("Корневой");
    const std::string prefix = accessPrefix(o.access());

    if (o.formatType() == model::FormatType::StandartNum) return prefix + translator.tr("Станд. числ.") + signLetter(o.Signed) + o.Size;
    if (o.formatType() == model::FormatType::IQ) {
        std::string text = prefix + translator.tr("Q-тип.") + signLetter(o.Signed) + o.Size + " ";
        if (o.Size == "16" || o.Size == "32") {
            // Wide enough for any QValue a file may hold.
            text += std::to_string(std::stoll(o.Size) - o.QValue) + "," + std::to_string(o.QValue);
        }
        return text + translator.tr(" м.к.№") + scaleNumber(o.ScaleNum);
    }
    if (o.formatType() == model::FormatType::Float) {
        const std::string floating = prefix + translator.tr("Плав. ");
        if (o.floatKind() == model::FloatKind::Absolute) {
            static const std::vector<std::string> kPrecisions = {"x", "x.x", "x.xx", "x.xxx"};
            return floating + translator.tr("абс.ед., ") + itemOf(lists.prefixes, o.Prefix) + itemOf(lists.units, o.Units) +
                   " (" + itemOf(kPrecisions, o.NumOfFloat) + ")";
        }
        if (o.floatKind() == model::FloatKind::Relative) return floating + translator.tr("отн.ед.") + translator.tr(" м.к.№") + scaleNumber(o.ScaleNum);
        return floating;
    }
    if (o.formatType() == model::FormatType::Bit) {
        std::string visualization;
        if (o.Visualization == "Text") visualization = translator.tr("текст. ");
        else if (o.Visualization == "Bin") visualization = translator.tr("2-ич. ");
        else if (o.Visualization == "Dec") visualization = translator.tr("10-ич. ");
        else if (o.Visualization == "Hex") visualization = translator.tr("16-ич. ");
        return prefix + translator.tr("Бит.") + visualization + model::numberToHexText(static_cast<std::uint32_t>(o.StartBit), 1) +
               "-" + model::numberToHexText(static_cast<std::uint32_t>(o.StartBit) + static_cast<std::uint32_t>(o.Length) - 1, 1);
    }
    return {};
}

}  // namespace tabrin::editing
