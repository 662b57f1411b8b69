// The main part of a .docx package: the document as WordprocessingML.
#include "report/documentxml.h"

#include <cmath>
#include <cstdio>
#include <sstream>

#include <pugixml.hpp>

#include "app/cp1251.h"

namespace tabrin::report {
namespace {

constexpr const char* kWordNamespace = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

std::string twips(double points) { return std::to_string(std::lround(points * 20)); }

std::string halfPoints(double points) { return std::to_string(std::lround(points * 2)); }

void addValue(pugi::xml_node parent, const char* name, const std::string& value) {
    parent.append_child(name).append_attribute("w:val") = value.c_str();
}

void addWidth(pugi::xml_node parent, const char* name, double points) {
    pugi::xml_node width = parent.append_child(name);
    width.append_attribute("w:w") = twips(points).c_str();
    width.append_attribute("w:type") = "dxa";
}

const char* alignmentValue(ParagraphAlignment alignment) {
    switch (alignment) {
    case ParagraphAlignment::Center: return "center";
    case ParagraphAlignment::Right: return "right";
    case ParagraphAlignment::Justify: return "both";
    case ParagraphAlignment::Left: break;
    }
    return "left";
}

const char* verticalAlignmentValue(VerticalAlignment alignment) {
    switch (alignment) {
    case VerticalAlignment::Center: return "center";
    case VerticalAlignment::Bottom: return "bottom";
    case VerticalAlignment::Top: break;
    }
    return "top";
}

// Word keeps colours as 0xBBGGRR; the file wants RRGGBB.
std::string colorValue(std::uint32_t color) {
    if (color == kAutomaticColor) return "auto";
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    return text;
}

void addCharacterFormat(pugi::xml_node parent, const CharacterFormat& format) {
    pugi::xml_node properties = parent.append_child("w:rPr");
    pugi::xml_node fonts = properties.append_child("w:rFonts");
    for (const char* script : {"w:ascii", "w:hAnsi", "w:cs"}) fonts.append_attribute(script) = format.fontName.c_str();
    if (format.bold) properties.append_child("w:b");
    addValue(properties, "w:sz", halfPoints(format.size));
    addValue(properties, "w:szCs", halfPoints(format.size));
}

void addParagraph(pugi::xml_node parent, const Paragraph& paragraph) {
    pugi::xml_node node = parent.append_child("w:p");
    pugi::xml_node properties = node.append_child("w:pPr");
    pugi::xml_node spacing = properties.append_child("w:spacing");
    spacing.append_attribute("w:before") = twips(paragraph.format.spaceBefore).c_str();
    spacing.append_attribute("w:after") = twips(paragraph.format.spaceAfter).c_str();
    addValue(properties, "w:jc", alignmentValue(paragraph.format.alignment));
    addCharacterFormat(properties, paragraph.mark);
    for (const Run& run : paragraph.runs) {
        pugi::xml_node runNode = node.append_child("w:r");
        addCharacterFormat(runNode, run.format);
        pugi::xml_node text = runNode.append_child("w:t");
        text.append_attribute("xml:space") = "preserve";
        text.text() = cp1251::toUtf8(run.text).c_str();
    }
}

void addCellProperties(pugi::xml_node cellNode, const Cell& cell) {
    pugi::xml_node properties = cellNode.append_child("w:tcPr");
    addWidth(properties, "w:tcW", cell.width);
    pugi::xml_node borders = properties.append_child("w:tcBorders");
    for (const char* side : {"w:top", "w:left", "w:bottom", "w:right"}) {
        pugi::xml_node border = borders.append_child(side);
        if (cell.borders == LineStyle::None) {
            border.append_attribute("w:val") = "nil";
            continue;
        }
        border.append_attribute("w:val") = "single";
        border.append_attribute("w:sz") = "4";  // eighths of a point: Word's thinnest line
        border.append_attribute("w:space") = "0";
        border.append_attribute("w:color") = "auto";
    }
    if (cell.shading.foreground != kAutomaticColor || cell.shading.background != kAutomaticColor) {
        pugi::xml_node shading = properties.append_child("w:shd");
        shading.append_attribute("w:val") = "clear";
        shading.append_attribute("w:color") = colorValue(cell.shading.foreground).c_str();
        shading.append_attribute("w:fill") = colorValue(cell.shading.background).c_str();
    }
    addValue(properties, "w:vAlign", verticalAlignmentValue(cell.verticalAlignment));
}

void addTable(pugi::xml_node parent, const Table& table) {
    pugi::xml_node node = parent.append_child("w:tbl");
    pugi::xml_node properties = node.append_child("w:tblPr");
    double totalWidth = 0;
    for (const Cell& cell : table.rows.front().cells) totalWidth += cell.width;
    addWidth(properties, "w:tblW", totalWidth);
    // Fixed layout keeps the widths as set instead of fitting them to the contents.
    properties.append_child("w:tblLayout").append_attribute("w:type") = "fixed";
    pugi::xml_node margins = properties.append_child("w:tblCellMar");
    addWidth(margins, "w:left", table.leftPadding);
    addWidth(margins, "w:right", table.rightPadding);
    pugi::xml_node grid = node.append_child("w:tblGrid");
    for (const Cell& cell : table.rows.front().cells) {
        grid.append_child("w:gridCol").append_attribute("w:w") = twips(cell.width).c_str();
    }
    for (const TableRow& row : table.rows) {
        pugi::xml_node rowNode = node.append_child("w:tr");
        for (const Cell& cell : row.cells) {
            pugi::xml_node cellNode = rowNode.append_child("w:tc");
            addCellProperties(cellNode, cell);
            for (const Paragraph& paragraph : cell.paragraphs) addParagraph(cellNode, paragraph);
        }
    }
}

void addSection(pugi::xml_node body, const PageMargins& margins) {
    pugi::xml_node section = body.append_child("w:sectPr");
    pugi::xml_node size = section.append_child("w:pgSz");
    size.append_attribute("w:w") = twips(kPageWidthPoints).c_str();
    size.append_attribute("w:h") = twips(kPageHeightPoints).c_str();
    pugi::xml_node pageMargins = section.append_child("w:pgMar");
    pageMargins.append_attribute("w:top") = twips(margins.top).c_str();
    pageMargins.append_attribute("w:right") = twips(margins.right).c_str();
    pageMargins.append_attribute("w:bottom") = twips(margins.bottom).c_str();
    pageMargins.append_attribute("w:left") = twips(margins.left).c_str();
    // Header and footer 1.25 cm from the edge, as Word places them by default.
    pageMargins.append_attribute("w:header") = "709";
    pageMargins.append_attribute("w:footer") = "709";
    pageMargins.append_attribute("w:gutter") = "0";
}

}  // namespace

std::string documentXml(const Document& document) {
    pugi::xml_document xml;
    pugi::xml_node declaration = xml.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    declaration.append_attribute("standalone") = "yes";
    pugi::xml_node root = xml.append_child("w:document");
    root.append_attribute("xmlns:w") = kWordNamespace;
    pugi::xml_node body = root.append_child("w:body");
    for (const Block& block : document.body) {
        if (const auto* paragraph = std::get_if<Paragraph>(&block))
            addParagraph(body, *paragraph);
        else
            addTable(body, std::get<Table>(block));
    }
    addSection(body, document.margins);
    std::ostringstream text;
    xml.save(text, "", pugi::format_raw, pugi::encoding_utf8);
    return text.str();
}

}  // namespace tabrin::report
