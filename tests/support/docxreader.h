// Reads a .docx package back: its parts by name, and the paragraphs and tables of its main part.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <pugixml.hpp>
#include <zip.h>

namespace tabrin::test {

/// The names of the package's entries, in archive order; nothing when it is no ZIP archive.
inline std::optional<std::vector<std::string>> zipEntryNames(const std::filesystem::path& file) {
    zip_t* archive = zip_open(file.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, nullptr);
    if (archive == nullptr) return std::nullopt;
    std::vector<std::string> names;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) names.emplace_back(zip_get_name(archive, i, 0));
    zip_discard(archive);
    return names;
}

/// The bytes of one entry; nothing when the package or the entry is missing.
inline std::optional<std::string> zipEntry(const std::filesystem::path& file, const char* name) {
    zip_t* archive = zip_open(file.c_str(), ZIP_RDONLY, nullptr);
    if (archive == nullptr) return std::nullopt;
    std::optional<std::string> bytes;
    zip_stat_t stat;
    if (zip_stat(archive, name, 0, &stat) == 0) {
        if (zip_file_t* entry = zip_fopen(archive, name, 0)) {
            std::string read(static_cast<std::size_t>(stat.size), '\0');
            if (zip_fread(entry, read.data(), stat.size) == static_cast<zip_int64_t>(stat.size)) bytes = read;
            zip_fclose(entry);
        }
    }
    zip_discard(archive);
    return bytes;
}

/// The main part of a package, parsed. Texts are UTF-8 as the part holds them.
class DocxDocument {
public:
    /// False when the package, its main part or the XML of it cannot be read.
    bool load(const std::filesystem::path& file) {
        const std::optional<std::string> part = zipEntry(file, "word/document.xml");
        return part && m_xml.load_buffer(part->data(), part->size()) && body();
    }

    pugi::xml_node body() const { return m_xml.child("w:document").child("w:body"); }

    std::vector<pugi::xml_node> tables() const { return children(body(), "w:tbl"); }

    static std::vector<pugi::xml_node> children(pugi::xml_node parent, const char* name) {
        std::vector<pugi::xml_node> nodes;
        for (pugi::xml_node node : parent.children(name)) nodes.push_back(node);
        return nodes;
    }

    /// The texts of a paragraph's runs.
    static std::string paragraphText(pugi::xml_node paragraph) {
        std::string text;
        for (pugi::xml_node run : paragraph.children("w:r")) text += run.child_value("w:t");
        return text;
    }

    /// The texts of a cell's paragraphs joined with line feeds.
    static std::string cellText(pugi::xml_node cell) {
        std::string text;
        for (pugi::xml_node paragraph : cell.children("w:p")) {
            if (paragraph != cell.child("w:p")) text += '\n';
            text += paragraphText(paragraph);
        }
        return text;
    }

    /// Every run of the paragraph is bold, and it has one.
    static bool isBold(pugi::xml_node paragraph) {
        bool any = false;
        for (pugi::xml_node run : paragraph.children("w:r")) {
            if (!run.child("w:rPr").child("w:b")) return false;
            any = true;
        }
        return any;
    }

    static std::vector<pugi::xml_node> rows(pugi::xml_node table) { return children(table, "w:tr"); }
    static std::vector<pugi::xml_node> cells(pugi::xml_node row) { return children(row, "w:tc"); }

    /// The paragraph right before a table, which holds its title.
    static pugi::xml_node paragraphBefore(pugi::xml_node table) { return table.previous_sibling("w:p"); }

    static std::string cellFill(pugi::xml_node cell) {
        return cell.child("w:tcPr").child("w:shd").attribute("w:fill").value();
    }

private:
    pugi::xml_document m_xml;
};

}  // namespace tabrin::test
