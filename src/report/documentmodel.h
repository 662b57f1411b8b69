// A word-processor document as the report builds it: page margins and a body of paragraphs and
// tables, each paragraph holding runs of text with their character formatting.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace tabrin::report {

/// Word's alignment codes.
enum class ParagraphAlignment { Left = 0, Center = 1, Right = 2, Justify = 3 };
enum class VerticalAlignment { Top = 0, Center = 1, Bottom = 3 };
enum class LineStyle { None = 0, Single = 1 };

/// Colours are Word's: 0xBBGGRR, or kAutomaticColor.
inline constexpr std::uint32_t kAutomaticColor = 0xFF000000;

/// A4, the page of the manuals.
inline constexpr double kPageWidthPoints = 595.3;
inline constexpr double kPageHeightPoints = 841.9;
inline constexpr double kPointsPerCentimetre = 28.35;

struct CharacterFormat {
    std::string fontName = "Times New Roman";
    double size = 12;  // points
    bool bold = false;

    bool operator==(const CharacterFormat&) const = default;
};

struct Run {
    std::string text;  // Windows-1251, without line breaks
    CharacterFormat format;
};

struct ParagraphFormat {
    ParagraphAlignment alignment = ParagraphAlignment::Left;
    double spaceBefore = 0;  // points
    double spaceAfter = 0;
};

struct Paragraph {
    ParagraphFormat format;
    CharacterFormat mark;  // the formatting of the paragraph mark, which sets an empty paragraph's height
    std::vector<Run> runs;
};

struct CellShading {
    std::uint32_t foreground = kAutomaticColor;
    std::uint32_t background = kAutomaticColor;
};

struct Cell {
    double width = 0;  // points
    VerticalAlignment verticalAlignment = VerticalAlignment::Top;
    LineStyle borders = LineStyle::Single;
    CellShading shading;
    std::vector<Paragraph> paragraphs;  // at least one
};

struct TableRow {
    std::vector<Cell> cells;
};

struct Table {
    double leftPadding = 5.4;  // points, Word's default cell margins
    double rightPadding = 5.4;
    std::vector<TableRow> rows;
};

using Block = std::variant<Paragraph, Table>;

struct PageMargins {
    double left = 85.05;  // points
    double right = 42.55;
    double top = 56.7;
    double bottom = 56.7;
};

struct Document {
    PageMargins margins;
    std::vector<Block> body;  // ends with a paragraph, as every word-processor document does
};

}  // namespace tabrin::report
