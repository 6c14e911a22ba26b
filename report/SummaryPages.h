#pragma once

#include "data/CertificationSummary.h"
#include "data/TestLimits.h"
#include "data/Verdicts.h"
#include "report/FlowPages.h"

#include <QString>

#include <cstdint>
#include <vector>

class CDataStore;
class DrawContext;

// The pages that end the loss-test report: the limit with every figure it
// used, the fibres' verdicts counted in all, by cable and by wavelength, the
// worst margin, and the failed and warning fibres with their worst margins,
// flowing down as many pages as they need.
class SummaryPages
{
public:
    SummaryPages(const CDataStore& store, const TestLimits& limits, int pageBottom);
    // Its tables read it where it is made.
    SummaryPages(const SummaryPages&) = delete;
    SummaryPages& operator=(const SummaryPages&) = delete;

    unsigned PageCount() const { return m_Flow.PageCount(); }
    // Page `page` of the summary, counted from 1.
    void PrintPage(DrawContext& dc, unsigned page) const;

private:
    void AddLimitLines(const TestLimits& limits);
    void AddFibreList(const QString& title, const std::vector<size_t>& records);

    const CDataStore& m_Store;
    LossTestVerdicts m_Verdicts;
    std::vector<CableSummary> m_Cables;
    std::vector<CertificationSummary> m_Waves; // by wavelength index
    std::vector<size_t> m_Failed, m_Warnings;  // records, in record order
    FlowPages m_Flow;
};
