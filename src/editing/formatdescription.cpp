// The format column of the dictionary table: an object's access and format in a few words.
#include "editing/formatdescription.h"

#include "app/integertext.h"
#include "app/translator.h"
#include "editing/unitlists.h"
#include "model/dictobject.h"
#include "model/numbertext.h"

namespace tabrin::editing {
namespace {

std::string accessPrefix(const std::string& dataType) {
    if (dataType == "Viewable") return "R.";
    if (dataType == "Editable") return "W.";
    if (dataType == "Protected") return "P.";
    if (dataType == "Secret") return "S.";
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
    if (o.Type == "Root") return translator.tr("Корневой");
    const std::string prefix = accessPrefix(o.DataType);

    if (o.Type == "StandartNum") return prefix + translator.tr("Станд. числ.") + signLetter(o.Signed) + o.Size;
    if (o.Type == "IQ") {
        std::string text = prefix + translator.tr("Q-тип.") + signLetter(o.Signed) + o.Size + " ";
        if (o.Size == "16" || o.Size == "32") {
            // Wide enough for any QValue a file may hold.
            text += std::to_string(std::stoll(o.Size) - o.QValue) + "," + std::to_string(o.QValue);
        }
        return text + translator.tr(" м.к.№") + scaleNumber(o.ScaleNum);
    }
    if (o.Type == "Float") {
        const std::string floating = prefix + translator.tr("Плав. ");
        if (o.FloatType == "Absolute") {
            static const std::vector<std::string> kPrecisions = {"x", "x.x", "x.xx", "x.xxx"};
            return floating + translator.tr("абс.ед., ") + itemOf(lists.prefixes, o.Prefix) + itemOf(lists.units, o.Units) +
                   " (" + itemOf(kPrecisions, o.NumOfFloat) + ")";
        }
        if (o.FloatType == "Relative") return floating + translator.tr("отн.ед.") + translator.tr(" м.к.№") + scaleNumber(o.ScaleNum);
        return floating;
    }
    if (o.Type == "Bit") {
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
