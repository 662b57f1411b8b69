// Path texts: paths as the file system names them (UTF-8 here), their conversion for the
// Windows-1251 files that store them, paths kept both relative and absolute, the names of profile
// copies in the log folder and the program folder.
#include "app/paths.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "app/cp1251.h"

namespace fs = std::filesystem;

namespace tabrin::app {
namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// A path of another system (a drive-letter path of a Windows profile) is not absolute here and must
// not be looked up relative to the working folder.
bool existsAt(std::string_view pathText) {
    const fs::path path = nativePath(pathText);
    std::error_code ignored;
    return path.is_absolute() && fs::exists(path, ignored);
}

fs::path expandedFolder(std::string_view folderText) {
    std::error_code ignored;
    return folderText.empty() ? fs::current_path(ignored) : fs::absolute(nativePath(folderText), ignored);
}

}  // namespace

fs::path nativePath(std::string_view pathText) {
    std::string native(pathText);
    std::replace(native.begin(), native.end(), '\\', '/');
    return fs::path(native);
}

std::string pathText(const fs::path& path) { return path.native(); }

std::string pathFromStored(std::string_view cp1251Text) { return cp1251::toUtf8(cp1251Text); }

std::optional<std::string> storedPath(std::string_view pathText) {
    if (cp1251::firstCharacterOutside(pathText)) return std::nullopt;
    return cp1251::fromUtf8(pathText);
}

std::string shownPath(std::string_view pathText) { return cp1251::fromUtf8(pathText); }

bool isAbsolutePathText(std::string_view path) {
    return (!path.empty() && path.front() == '/') || (path.size() > 1 && path[1] == ':');
}

std::string resolve(std::string_view base, std::string_view path) {
    if (path.empty() || isAbsolutePathText(path)) return std::string(path);
    const std::size_t folderEnd = base.find_last_of("\\/");
    const std::string_view folderPart = folderEnd == std::string_view::npos ? std::string_view() : base.substr(0, folderEnd + 1);
    // Joined as text, so that a path starting with a backslash stays inside the folder, as on Windows.
    const fs::path joined = expandedFolder(folderPart).native() + '/' + nativePath(path).native();
    return pathText(joined.lexically_normal());
}

std::string resolveInFolder(std::string_view folder, std::string_view path) {
    if (!folder.empty() && isSeparator(folder.back())) return resolve(folder, path);
    return resolve(std::string(folder) + '/', path);
}

std::string resolvePair(const fs::path& baseFolder, TPathRelAbs& pair) {
    if (!pair.rel.empty()) {
        std::string resolved = resolveInFolder(pathText(baseFolder), pair.rel);
        if (existsAt(resolved)) {
            pair.abs = resolved;
            return resolved;
        }
    }
    if (existsAt(pair.abs)) {
        pair.rel = relativePathText(baseFolder, pair.abs);
        return pair.abs;
    }
    return {};
}

std::string relativePathText(const fs::path& folder, std::string_view path) {
    const fs::path native = nativePath(path);
    if (!native.is_absolute()) return std::string(path);
    std::error_code error;
    const fs::path relative = fs::relative(native, folder, error);
    return error || relative.empty() ? std::string(path) : pathText(relative);
}

std::string logCopyName(const fs::path& folder, std::string_view fileName) {
    std::string stem(fileName);
    if (const std::size_t extension = stem.find(".xml"); extension != std::string::npos) stem.erase(extension, 4);
    for (int number = 1;; ++number) {
        std::string name = stem + '_' + std::to_string(number) + ".xml";
        std::error_code ignored;
        if (!fs::exists(folder / nativePath(name), ignored)) return name;
    }
}

fs::path programFolder(const char* argv0) {
    std::error_code error;
    if (const char* home = std::getenv("TABRIN_HOME"); home != nullptr && *home != '\0') return fs::absolute(home, error);
    fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error || executable.empty()) executable = fs::absolute(argv0 != nullptr ? argv0 : "", error);
    return executable.parent_path();
}

}  // namespace tabrin::app
