#pragma once

#include "data/CertificationSummary.h"
#include "data/TestLimits.h"
#include "data/Verdicts.h"

#include <QString>

#include <cstdint>
#include <vector>

class CDataStore;
class DrawContext;

// The pages that end the loss-test report: the limit with every figure it
// used, the fibres' verdicts counted in all, by cable and by wavelength, the
// worst margin, and the failed and warning fibres with their worst margins.
//
// The content is a column of lines of fixed heights that flows down as many
// pages as it needs, each page ending above `pageBottom` (the bottom of the
// report's fullest table page, so that a summary page fits wherever the
// table pages fit). A line that would pass the bottom starts the next page;
// a table that goes on over a break repeats its heading row, and a section's
// heading, a table's heading row and the line below them are never parted.
class SummaryPages
{
public:
    SummaryPages(const CDataStore& store, const TestLimits& limits, int pageBottom);

    unsigned PageCount() const { return static_cast<unsigned>(m_PageStarts.size()); }
    // Page `page` of the summary, counted from 1.
    void PrintPage(DrawContext& dc, unsigned page) const;

private:
    enum class LineKind : uint8_t
    {
        Section, // a section's heading
        Text,    // a line of body text
        Heading, // a table's heading row
        Row,     // a table's row
    };
    enum class Table : uint8_t
    {
        None,
        Cables,
        Waves,
        Failed,
        Warnings,
    };
    struct Entry
    {
        LineKind kind;
        Table table;
        uint32_t index; // Section, Text: into m_Texts; Row: the table's row
    };

    void AddText(LineKind kind, const QString& text);
    void AddTable(Table table, size_t rows);
    void AddLimitLines(const TestLimits& limits);
    void AddFibreList(const QString& title, Table table, const std::vector<size_t>& records);
    void Paginate(int pageBottom);

    static int HeightOf(LineKind kind);
    void PrintEntry(DrawContext& dc, const Entry& entry, int top) const;
    static std::vector<QString> HeadingTexts(Table table);
    std::vector<QString> RowTexts(Table table, uint32_t row) const;

    const CDataStore& m_Store;
    LossTestVerdicts m_Verdicts;
    std::vector<CableSummary> m_Cables;
    std::vector<CertificationSummary> m_Waves; // by wavelength index
    std::vector<size_t> m_Failed, m_Warnings;  // records, in record order
    std::vector<QString> m_Texts;
    std::vector<Entry> m_Entries;
    std::vector<size_t> m_PageStarts; // the first entry of each page
};
