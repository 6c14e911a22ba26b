#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class DrawContext;

// Pages of text that flow: section headings, lines of body text, ruled
// tables and blocks drawn whole, down as many pages as they need, each page
// under its title and a rule and ending above `pageBottom` (the bottom of
// the report's fullest table page, so that these pages fit wherever the
// table pages fit). A text wider than the page wraps onto further lines, and
// a name wider than its column wraps in a row grown to its lines. A line
// that would pass the bottom starts the next page; a table that goes on over
// a break repeats its heading row, and a section's heading, a table's
// heading row and the line below them are never parted.
class FlowPages
{
public:
    // The content's edges across, in report units: those of the table pages.
    static constexpr int Left = 80;
    static constexpr int Right = 800;
    static constexpr int TextHeight = 20; // a line of body text: 1.25 lines of its font

    struct Column
    {
        QString title;
        int width; // report units
        // Whether a text wider than the column wraps, its row growing to
        // its lines (for names), or stays on one line (for figures).
        bool wraps = false;
    };
    // A table row's texts, asked for when the row is painted, and as it is
    // added where a column wraps.
    using RowTexts = std::function<std::vector<QString>(size_t row)>;
    // Draws a block from `top` down.
    using BlockPainter = std::function<void(DrawContext& dc, int top)>;

    void AddSection(const QString& title);
    void AddText(const QString& text);
    void AddTable(std::vector<Column> columns, size_t rows, RowTexts texts);
    // A block `height` high that `paint` draws: a box, lines to sign on.
    void AddBlock(int height, BlockPainter paint);
    // What follows starts a page.
    void AddPageBreak();
    // Lays the content out on pages; after the last Add.
    void Paginate(int pageBottom);

    unsigned PageCount() const { return static_cast<unsigned>(m_PageStarts.size()); }
    // Page `page`, counted from 1, under `title`.
    void PrintPage(DrawContext& dc, unsigned page, const QString& title) const;

private:
    enum class LineKind : uint8_t
    {
        Section,
        Text,
        Heading, // a table's heading row
        Row,     // a table's row
        Block,
        Break,
    };
    struct Entry
    {
        LineKind kind;
        uint32_t index;     // Section, Text: into m_Texts; Heading, Row: the table; Block: into m_Blocks
        uint32_t row = 0;   // Row: the table's
        uint32_t lines = 1; // Row: of its fullest cell
    };
    struct Table
    {
        std::vector<Column> columns;
        RowTexts texts;
    };
    struct Block
    {
        int height;
        BlockPainter paint;
    };

    int HeightOf(const Entry& entry) const;
    void PrintEntry(DrawContext& dc, const Entry& entry, int top) const;

    std::vector<QString> m_Texts;
    std::vector<Table> m_Tables;
    std::vector<Block> m_Blocks;
    std::vector<Entry> m_Entries;
    std::vector<size_t> m_PageStarts; // the first entry of each page
};
