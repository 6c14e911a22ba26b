#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class DrawContext;

// Pages of text that flow: section headings, lines of body text and ruled
// tables, down as many pages as they need, each page under its title and a
// rule and ending above `pageBottom` (the bottom of the report's fullest
// table page, so that these pages fit wherever the table pages fit). A line
// that would pass the bottom starts the next page; a table that goes on
// over a break repeats its heading row, and a section's heading, a table's
// heading row and the line below them are never parted.
class FlowPages
{
public:
    struct Column
    {
        QString title;
        int width; // report units
    };
    // A table row's texts, asked for when the row is painted.
    using RowTexts = std::function<std::vector<QString>(size_t row)>;

    void AddSection(const QString& title);
    void AddText(const QString& text);
    void AddTable(std::vector<Column> columns, size_t rows, RowTexts texts);
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
        Break,
    };
    struct Entry
    {
        LineKind kind;
        uint32_t index; // Section, Text: into m_Texts; Heading, Row: the table
        uint32_t row;
    };
    struct Table
    {
        std::vector<Column> columns;
        RowTexts texts;
    };

    static int HeightOf(LineKind kind);
    void PrintEntry(DrawContext& dc, const Entry& entry, int top) const;

    std::vector<QString> m_Texts;
    std::vector<Table> m_Tables;
    std::vector<Entry> m_Entries;
    std::vector<size_t> m_PageStarts; // the first entry of each page
};
