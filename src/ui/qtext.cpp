// Text across the border between the core (Windows-1251 bytes) and Qt (QString).
#include "ui/qtext.h"

#include "app/cp1251.h"
#include "app/paths.h"
#include "app/translator.h"

namespace tabrin::ui {

QString toQString(std::string_view cp1251Text) {
    const std::u16string utf16 = cp1251::toUtf16(cp1251Text);
    return QString(reinterpret_cast<const QChar*>(utf16.data()), static_cast<qsizetype>(utf16.size()));
}

std::string fromQString(const QString& text) {
    return cp1251::fromUtf16(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())));
}

QString toQPath(std::string_view pathText) { return QString::fromStdString(app::nativePath(pathText).native()); }

std::string fromQPath(const QString& path) { return path.toStdString(); }

QString translatedText(app::Translator& translator, std::string_view utf8) {
    return toQString(translator.tr(utf8));
}

}  // namespace tabrin::ui
