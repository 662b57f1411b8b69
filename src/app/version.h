// The program's version text, its title and the main window's caption.
#pragma once

#include <string>
#include <string_view>

namespace tabrin::app {

class Translator;

/// The version as shown to the user: "v.7.5.0" for the file version "7.5.0.0" (its first three
/// dot-separated parts when it has four or more), "v.7.5" for "7.5" (the whole text when it has
/// fewer), and empty for an empty file version.
std::string versionText(std::string_view fileVersion);

/// "Tabrin " followed by the version text of the running program, whose version is the one
/// the build was made with.
std::string programTitle();

/// The main window's caption: the program title; then, when a profile is open, the translated
/// " - Профиль: ", its path (a path text) and "*" when it is modified; then " [DEBUG]" when the
/// event log is open. The caption is UTF-8, so that it shows the path as the file system names it.
/// The translator is not const: a text it cannot translate is recorded in its dictionary.
std::string windowTitle(Translator& translator, std::string_view profilePath, bool modified, bool logOpen);

}  // namespace tabrin::app
