// Path texts: paths as the file system names them (UTF-8 here), their conversion for the
// Windows-1251 files that store them, paths kept both relative and absolute, the names of profile
// copies in the log folder and the program folder.
//
// A path text may use '\' as well as '/', since the profiles and settings files made on Windows
// hold such paths; it is converted to Windows-1251 only where it goes into such a file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tabrin::app {

/// A remembered path, kept relative to a base folder and absolute, so that a program folder moved
/// together with its profiles still finds them. Both are path texts.
struct TPathRelAbs {
    std::string rel;
    std::string abs;

    bool operator==(const TPathRelAbs&) const = default;
};

/// The file-system path of a path text; backslashes become '/'.
std::filesystem::path nativePath(std::string_view pathText);

/// The path text of a file-system path.
std::string pathText(const std::filesystem::path& path);

/// The path text of a path as a Windows-1251 file (a profile, the settings file) holds it.
std::string pathFromStored(std::string_view cp1251Text);

/// The Windows-1251 text under which a Windows-1251 file stores a path text, or nothing when the
/// path holds a character that the code page lacks.
std::optional<std::string> storedPath(std::string_view pathText);

/// A path text as a message, a log entry or a generated file (Windows-1251) shows it: a character
/// that the code page lacks becomes '?'.
std::string shownPath(std::string_view pathText);

/// Whether a path text is absolute: it starts with '/' or has a drive letter ("D:...").
bool isAbsolutePathText(std::string_view path);

/// A relative `path` placed in the folder part of `base` (a file path, or a folder path ending in a
/// separator), made absolute and normalised; an empty or absolute `path` comes back unchanged.
/// Texts may use '\' and '/'; the result of a resolved path uses '/'.
std::string resolve(std::string_view base, std::string_view path);

/// `resolve` against a folder whose text may lack the trailing separator.
std::string resolveInFolder(std::string_view folder, std::string_view path);

/// The existing file or folder that `pair` names, or an empty text when it names none.
/// The relative path wins: when it resolves against `baseFolder` to something that exists, `abs`
/// becomes that path. Otherwise, when `abs` exists, `rel` is recomputed from it. The pair is left
/// unchanged when neither exists.
std::string resolvePair(const std::filesystem::path& baseFolder, TPathRelAbs& pair);

/// The path text `path` relative to `folder` ("../gen/vost.c"), symbolic links followed where they
/// exist; `path` unchanged when it is not an absolute path of this system or has no relative form.
std::string relativePathText(const std::filesystem::path& folder, std::string_view path);

/// The name under which a copy of the file `fileName` goes into `folder`: the name without its first
/// ".xml", then "_" and the smallest number from 1 that no file of the folder has yet, then ".xml".
std::string logCopyName(const std::filesystem::path& folder, std::string_view fileName);

/// The folder of the program's own files: the one named by the environment variable TABRIN_HOME
/// when it is set and not empty, otherwise the folder of the running executable (`argv0` serves
/// when the system cannot tell).
std::filesystem::path programFolder(const char* argv0);

}  // namespace tabrin::app
