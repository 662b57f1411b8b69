// Text across the border between the core (Windows-1251 bytes) and Qt (QString).
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace tabrin::app {
class Translator;
}

namespace tabrin::ui {

QString toQString(std::string_view cp1251Text);
std::string fromQString(const QString& text);

/// A path text (app/paths.h) as a file-system path for Qt, and back.
QString toQPath(std::string_view pathText);
std::string fromQPath(const QString& path);

/// A Russian text of the program (UTF-8 in the source) as the interface shows it: through the
/// interface translation.
QString translatedText(app::Translator& translator, std::string_view utf8);

}  // namespace tabrin::ui
