// Path texts: conversion between Windows-1251 path texts and the file system, paths kept both
// relative and absolute, the names of profile copies in the log folder and the program folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tabrin::app {

/// A remembered path, kept relative to a base folder and absolute, so that a program folder moved
/// together with its profiles still finds them. Both are Windows-1251 path texts.
struct TPathRelAbs {
    std::string rel;
    std::string abs;

    bool operator==(const TPathRelAbs&) const = default;
};

/// The file-system path of a Windows-1251 path text; backslashes become '/'.
std::filesystem::path nativePath(std::string_view cp1251PathText);

/// The Windows-1251 text of a file-system path.
std::string pathText(const std::filesystem::path& path);

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
