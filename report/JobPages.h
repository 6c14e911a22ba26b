#pragma once

#include "jobs/JobResults.h"
#include "jobs/JobState.h"
#include "report/FlowPages.h"

#include <string>

// The pages of a job's report around its cables' pages: before them the
// job's result (PASS or FAIL, its counts, its completeness cable by cable)
// and, on a page of its own, what needs attention (failed, missing and
// incomplete fibres, conflicts, the lowest margins); after them the
// appendix (the tests superseded, the corrections, the files imported with
// their SHA-256). Laid out in the report's language when made; they read
// the state and results they are given when painted.
struct JobReportFacts
{
    std::string jobName;   // as the footer names the job
    std::string limitName; // LimitName of the job's limit
    InfoFields header;
};

class JobPages
{
public:
    JobPages(const JobState& state, const JobResults& results, const JobReportFacts& facts, int pageBottom);
    JobPages(const JobPages&) = delete;
    JobPages& operator=(const JobPages&) = delete;

    const FlowPages& Front() const { return m_Front; }
    const FlowPages& Appendix() const { return m_Appendix; }

private:
    void AddResult(const JobReportFacts& facts);
    void AddAttention();
    void AddAppendix();
    // A list of fibres as a table, or "None.".
    void AddFibres(FlowPages& flow, const QString& title, std::vector<uint32_t> rows,
                   std::vector<FlowPages::Column> columns,
                   std::vector<QString> (JobPages::*texts)(uint32_t) const);
    std::vector<QString> FibreMargin(uint32_t record) const;
    std::vector<QString> FibreName(uint32_t fibre) const;
    std::vector<QString> FibreTest(uint32_t record) const;
    std::vector<QString> Conflict(uint32_t fibre) const;
    std::vector<QString> Superseded(uint32_t record) const;
    std::vector<QString> Correction(uint32_t record) const;
    QString Name(uint32_t name) const;

    const JobState& m_State;
    const JobResults& m_Results;
    FlowPages m_Front, m_Appendix;
    // The rows of every table, kept for painting.
    std::vector<std::vector<uint32_t>> m_Rows;
};
