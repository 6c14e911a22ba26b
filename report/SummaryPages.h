#pragma once

#include "data/CertificationSummary.h"
#include "data/TestLimits.h"
#include "data/Verdicts.h"
#include "report/ReportOptions.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class CDataStore;
class DrawContext;

// The pages that lead the loss-test report: a box with the overall result
// (PASS, FAIL or INCOMPLETE, the counts behind it and the wavelengths the
// limit does not certify), the signature block when the options ask for it,
// the limit with every figure it used and its standard named in words, the
// fibres' verdicts counted in all, by cable and by wavelength, the worst
// margin, and the failed, incomplete and warning fibres with their worst
// margins. Long texts and names wrap; a row grows with its name.
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
    SummaryPages(const CDataStore& store, const ReportOptions& options, int pageBottom);

    unsigned PageCount() const { return static_cast<unsigned>(m_PageStarts.size()); }
    // Page `page` of the summary, counted from 1.
    void PrintPage(DrawContext& dc, unsigned page) const;

private:
    enum class LineKind : uint8_t
    {
        Result,    // the overall result's box
        Signature, // lines to sign on
        Section,   // a section's heading
        Text,      // a line of body text
        Heading,   // a table's heading row
        Row,       // a table's row
    };
    enum class Table : uint8_t
    {
        None,
        Cables,
        Waves,
        Failed,
        Incomplete,
        Warnings,
    };
    struct Entry
    {
        LineKind kind;
        Table table;
        uint32_t index;     // Section, Text: into m_Texts; Row: the table's row
        uint32_t lines = 1; // of a row whose names wrap
    };

    // A Text wraps into as many lines as it needs.
    void AddText(LineKind kind, const QString& text);
    void AddTable(Table table, size_t rows);
    void AddResult(const CertificationSummary& all, const TestLimits& limits);
    void AddLimitLines(const TestLimits& limits);
    void AddFibreList(const QString& title, Table table, const std::vector<size_t>& records);
    void Paginate(int pageBottom);

    int HeightOf(const Entry& entry) const;
    void PrintEntry(DrawContext& dc, const Entry& entry, int top) const;
    void PrintResult(DrawContext& dc, int top) const;
    void PrintSignature(DrawContext& dc, int top) const;
    static std::vector<QString> HeadingTexts(Table table);
    std::vector<QString> RowTexts(Table table, uint32_t row) const;

    const CDataStore& m_Store;
    LossTestVerdicts m_Verdicts;
    std::vector<CableSummary> m_Cables;
    std::vector<CertificationSummary> m_Waves;              // by wavelength index
    std::vector<size_t> m_Failed, m_Incomplete, m_Warnings; // records, in record order
    QString m_Result;                                       // "PASS", "FAIL", "INCOMPLETE"
    QStringList m_ResultLines;                              // wrapped to the box
    QString m_Technician, m_Reviewer;
    std::vector<QString> m_Texts;
    std::vector<Entry> m_Entries;
    std::vector<size_t> m_PageStarts; // the first entry of each page
};
