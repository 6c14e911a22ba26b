#pragma once

#include "jobs/JobResults.h"
#include "jobs/JobState.h"
#include "report/CReport.h"
#include "report/JobPages.h"
#include "report/ReportJob.h"
#include "report/ReportOptions.h"
#include "report/ReportText.h"

#include <memory>
#include <vector>

// The report of a whole job, one handover: the job's result and what needs
// attention, then each cable's pages in the loss-test report's own layout
// with its current results (the same painters, fed with the job's records),
// then the appendix. Every page ends with the footer, which names the job.
// The state and results must outlive the print job.
class JobReportPrinting : public ReportJob
{
public:
    JobReportPrinting(const JobState& state, const JobResults& results, const JobReportFacts& facts,
                      const ReportOptions& options);

    QString Title() const override;
    const ReportOptions& Options() const override { return m_Options; }
    const ReportLanguage& Language() const override { return *m_Language; }
    const QDateTime& PrintedAt() const override { return m_PrintedAt; }
    unsigned PageCount() override;

    void OnBeginPrinting(DrawContext& dc, PrintInfo& info) override;
    void OnPrepareDC(DrawContext& dc, const PrintInfo& info) override;
    void OnPrint(DrawContext& dc, const PrintInfo& info) override;

private:
    // The form whose pages are the fullest: three wavelengths unless every
    // run has two.
    int FullestWaveCount() const;

    ReportOptions m_Options;
    std::shared_ptr<const ReportLanguage> m_Language;
    QDateTime m_PrintedAt;
    std::vector<std::unique_ptr<CReport>> m_Runs; // one per run of results
    std::vector<int> m_RunWaves;
    std::unique_ptr<JobPages> m_Pages;
};
