// Window position and size kept between runs in the file "FormStorage.ini" of the program folder.
#include "ui/windowplacement.h"

#include <QByteArray>
#include <QWidget>

#include "app/inifile.h"

namespace tabrin::ui {
namespace {

constexpr const char* kGeometryKey = "Geometry";

std::string section(const QWidget* window) { return window->objectName().toStdString(); }

}  // namespace

void restorePlacement(QWidget* window, const std::filesystem::path& storageFile) {
    app::IniFile ini;
    std::string geometry;
    if (ini.load(storageFile)) ini.get(section(window), kGeometryKey, geometry);
    if (!geometry.empty()) window->restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(geometry)));
}

std::string savePlacement(const QWidget* window, const std::filesystem::path& storageFile) {
    app::IniFile ini;
    if (!ini.load(storageFile)) return "cannot read the existing file";
    ini.set(section(window), kGeometryKey, window->saveGeometry().toBase64().toStdString());
    return ini.save(storageFile);
}

}  // namespace tabrin::ui
