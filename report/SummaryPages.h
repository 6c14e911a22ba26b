#pragma once

#include "data/CertificationSummary.h"
#include "data/TestLimits.h"
#include "data/Verdicts.h"
#include "report/FlowPages.h"
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
// margins. Long texts and names wrap; a row grows with its name. The pages
// flow as the report's other pages of text do, each ending above
// `pageBottom`.
class SummaryPages
{
public:
    SummaryPages(const CDataStore& store, const ReportOptions& options, int pageBottom);
    // The flow's tables and blocks read this object's figures.
    SummaryPages(const SummaryPages&) = delete;
    SummaryPages& operator=(const SummaryPages&) = delete;

    unsigned PageCount() const { return m_Flow.PageCount(); }
    // Page `page` of the summary, counted from 1.
    void PrintPage(DrawContext& dc, unsigned page) const;

private:
    enum class Table : uint8_t
    {
        Cables,
        Waves,
        Failed,
        Incomplete,
        Warnings,
    };

    void AddTable(Table table, size_t rows);
    void AddResult(const CertificationSummary& all, const TestLimits& limits);
    void AddLimitLines(const TestLimits& limits);
    void AddFibreList(const QString& title, Table table, const std::vector<size_t>& records);

    int ResultHeight() const;
    void PrintResult(DrawContext& dc, int top) const;
    void PrintSignature(DrawContext& dc, int top) const;
    std::vector<QString> RowTexts(Table table, uint32_t row) const;

    const CDataStore& m_Store;
    LossTestVerdicts m_Verdicts;
    std::vector<CableSummary> m_Cables;
    std::vector<CertificationSummary> m_Waves;              // by wavelength index
    std::vector<size_t> m_Failed, m_Incomplete, m_Warnings; // records, in record order
    QString m_Result;                                       // "PASS", "FAIL", "INCOMPLETE"
    QStringList m_ResultLines;                              // wrapped to the box
    QString m_Technician, m_Reviewer;
    FlowPages m_Flow;
};
