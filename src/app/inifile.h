// An INI file of Windows-1251 bytes as Windows keeps it: read with CR LF or LF line ends, written
// with CR LF, keeping the sections, keys and comments that the program does not know.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace tabrin::app {

class IniFile {
public:
    IniFile();
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    /// Replaces the contents with those of `file`; a file that does not exist gives an empty
    /// document. Returns false, leaving the document empty, when the file exists but cannot be read,
    /// is no regular file or is larger than any settings file (4 MiB).
    bool load(const std::filesystem::path& file);

    /// Sets `value` from the key; leaves it as it is when the key is absent or, for a number, when
    /// the text is not a decimal integer. A boolean is true for any non-zero integer.
    /// Section and key names are matched without regard to the case of Latin letters.
    void get(const std::string& section, const std::string& key, int& value) const;
    void get(const std::string& section, const std::string& key, bool& value) const;
    void get(const std::string& section, const std::string& key, std::string& value) const;

    /// Sets a key, adding it and its section when they are absent. Booleans become "1" and "0".
    void set(const std::string& section, const std::string& key, int value);
    void set(const std::string& section, const std::string& key, bool value);
    void set(const std::string& section, const std::string& key, const std::string& value);
    void set(const std::string& section, const std::string& key, const char* value) = delete;  // would pick the bool overload

    /// Replaces `file` with the document; on failure the old file stays as it was.
    /// Returns an empty text on success, otherwise why the file was not written.
    std::string save(const std::filesystem::path& file) const;

private:
    struct Document;
    std::unique_ptr<Document> m_document;
};

}  // namespace tabrin::app
