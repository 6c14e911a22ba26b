#include "data/TestLimits.h"
#include "jobs/Job.h"
#include "jobs/JobResults.h"
#include "report/JobReportPrinting.h"
#include "tests/report/ReportStores.h"
#include "tests/support/LossTestRecords.h"
#include "tests/support/ScratchFolder.h"
#include "tools/make-samples/SampleSet.h"

#include <gtest/gtest.h>

// The pages of a job's report around its cables' pages. What they say is
// read back from kav-job's PDF; how a table wraps is the summary's test.

// A cable's name wider than its column (sixteen wide letters) wraps in every table that names it,
// rather than being cut at the column's edge: the completeness and the
// verdicts of each cable, and the failed fibres.
TEST(JobPagesTest, NamesWrapInEveryTable)
{
    ScratchFolder dir;
    const std::string cable(16, 'W'); // as long as the instrument keeps
    WriteBytes(dir.File("unit.bin"), EncodeKavResult(ThreeWaveLengths, {LossTest(cable, "F001", 2.0f, 1)}));
    std::unique_ptr<Job> job;
    std::vector<ImportReport> imported;
    JobState state;
    TestLimits limits;
    JobReportFacts facts;
    JobResults results;
    ASSERT_TRUE(Job::Create(dir.File("site.kavjob"), {}, job).ok());
    ASSERT_TRUE(job->Import({dir.File("unit.bin")}, imported).ok());
    ASSERT_TRUE(job->Read(state).ok() && job->ReadLimits(limits).ok());
    ASSERT_TRUE(LoadJobResults(job->Store(), state, limits, facts.header, results).ok());
    ReportOptions options;
    options.footer = false;
    JobReportPrinting report(state, results, facts, options);

    int wrapped = 0, cut = 0;
    for (unsigned page = 1; page <= report.PageCount(); ++page) {
        const RecordingDrawContext dc = Painted(report, page, report.PageCount());
        for (const RecordingDrawContext::Text& text : dc.Texts())
            if (text.text == QString::fromStdString(cable) && text.format)
                ++(Includes(*text.format, DrawContext::TextFormat::WordBreak) ? wrapped : cut);
    }
    EXPECT_EQ(wrapped, 3);
    EXPECT_EQ(cut, 0);
}
