// The interface translation: the dictionary "lang_dict.xml" that maps Russian texts and window
// properties to English ones and collects the texts it could not translate.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

#include "app/cp1251.h"

namespace tabrin::app {

/// The key hash of an 8-bit text: its bytes from last to first, each taken as a signed number.
std::uint32_t textHash(std::string_view text);

/// The key hash of a wide text: its UTF-16 code units from last to first, taken as unsigned numbers.
/// The same Russian text therefore hashes differently as 8-bit and as wide text.
std::uint32_t textHash(std::u16string_view text);

/// The dictionary key of a window property: the names of the component and its containers,
/// outermost first, then the property name, joined with "-"; empty names are skipped.
std::string propertyKey(const std::vector<std::string>& componentChain, std::string_view propertyName);

/// The property name of the item at `position` (from 0) of a radio group or combo box.
std::string itemPropertyName(int position);

/// Translates the Russian interface into English from the dictionary file, and records in that
/// file every text it was asked to translate and could not, with an empty English value.
/// All 8-bit texts are Windows-1251 bytes; the file itself is UTF-8.
class Translator {
public:
    /// Reads the dictionary at `path` for the interface language `language` (the setting
    /// ProgLanguage: 0 Russian, 1 English; any other value counts as English, the one
    /// translated language). A missing or unreadable file gives an empty dictionary.
    void loadDictionary(const std::filesystem::path& path, int language);

    /// The English text of `text`, or `text` itself in Russian mode or when there is none.
    std::string translateText(std::string_view text);
    std::u16string translateWideText(std::u16string_view text);
    /// A Russian text of the program written in UTF-8 (a literal of the source), translated as
    /// `translateText` does: Windows-1251.
    std::string tr(std::string_view russianUtf8) { return translateText(cp1251::fromUtf8(russianUtf8)); }

    /// The English value of a property of a window component, or `currentValue` itself.
    std::string translateProperty(const std::vector<std::string>& componentChain, std::string_view propertyName,
                                  std::string_view currentValue);

    /// Writes the dictionary, with what was recorded during the run, back to the file it was
    /// loaded from. A file that exists but could not be read is left untouched, so that a
    /// translator's work is never replaced. Returns whether the file was written.
    bool saveDictionary();

private:
    /// The English value of a text with the hash `hash`, recording the text when there is none.
    std::optional<std::string> lookUpOrRecordText(std::uint32_t hash, const std::string& russianUtf8);
    /// The non-empty English value under `key`; otherwise records `russianUtf8` under `key`.
    std::optional<std::string> lookUpOrRecord(const std::string& key, const std::string& russianUtf8);
    const char* valueAttribute() const;

    bool m_english = false;
    bool m_mayWrite = false;
    std::filesystem::path m_path;
    pugi::xml_document m_document;
    // key → the entry of the document that a look-up reads (the first of that name) and a record
    // writes; recorded entries are added, so no look-up ever scans the document.
    std::unordered_map<std::string, pugi::xml_node> m_entries;
};

}  // namespace tabrin::app
