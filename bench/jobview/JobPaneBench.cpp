// The job beside the tabs with a data centre's job: 200,000 planned fibres
// tested in 40 files. Opening it until the pane has painted its counts and
// tree (at most 1 s), and scrolling the tree by a page at a time with the
// first hundred cables open (14,400 fibre rows among 1,400 cables), each page
// painted (at most 16 ms, one frame at 60 Hz).
#include "jobs/Job.h"
#include "jobview/CJobPane.h"
#include "jobview/JobSession.h"
#include "platform/ui/ScriptedPrompts.h"
#include "tools/make-samples/ResultFileEncoder.h"
#include "tools/make-samples/SampleSet.h"

#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeView>
#include <benchmark/benchmark.h>

namespace {
constexpr size_t Files = 40;
constexpr size_t FibresPerFile = 5000;

// The job, made once in a temporary folder: each file tests cables of its own.
class SiteJob
{
public:
    SiteJob() : m_Path(m_Folder.filePath(QStringLiteral("site.kavjob")))
    {
        JobSetup setup;
        setup.plan = JobPlan{{}, "the site"};
        std::vector<std::string> paths;
        for (size_t f = 0; f < Files; ++f) {
            std::vector<LossTestResult> tests = SampleLossTests(FibresPerFile, 144);
            for (LossTestResult& test : tests) {
                test.cable = "U" + std::to_string(f) + "-" + test.cable;
                setup.plan->fibres.push_back({test.cable, test.fiber});
            }
            const std::string bytes = EncodeKavResult(ThreeWaveLengths, tests);
            paths.push_back(m_Folder.filePath(QStringLiteral("unit-%1.bin").arg(f)).toStdString());
            QFile file(QString::fromStdString(paths.back()));
            if (!file.open(QIODevice::WriteOnly) ||
                file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
                std::abort();
        }
        std::unique_ptr<Job> job;
        std::vector<ImportReport> reports;
        if (!Job::Create(m_Path.toStdString(), setup, job).ok() || !job->Import(paths, reports).ok())
            std::abort();
    }
    const QString& Path() const { return m_Path; }

private:
    QTemporaryDir m_Folder;
    QString m_Path;
};

const SiteJob& TheSite()
{
    static const SiteJob site;
    return site;
}

// The pane in a shown window of a laptop's height.
struct Window
{
    ScriptedPrompts prompts; // a failure is counted, not shown
    QWidget host;
    JobSession session{&host};
    CJobPane* pane = new CJobPane(session, &host);
    Window()
    {
        host.resize(420, 760);
        pane->resize(host.size());
        host.show();
    }
};

void BM_OpenTheJobUntilPainted(benchmark::State& state)
{
    const SiteJob& site = TheSite();
    Window window;
    for (auto _ : state) {
        if (!window.session.Open(site.Path()))
            state.SkipWithError("the job did not open");
        window.pane->repaint();
        state.PauseTiming();
        window.session.Close();
        state.ResumeTiming();
    }
    state.counters["fibres"] = double(Files * FibresPerFile);
}
BENCHMARK(BM_OpenTheJobUntilPainted)->Unit(benchmark::kMillisecond);

void BM_ScrollAPageOfTheOpenTree(benchmark::State& state)
{
    Window window;
    if (!window.session.Open(TheSite().Path()))
        state.SkipWithError("the job did not open");
    QTreeView& tree = *window.pane->Tree();
    for (int cable = 0; cable < 100; ++cable)
        tree.expand(tree.model()->index(cable, 0));
    QScrollBar& bar = *tree.verticalScrollBar();
    for (auto _ : state) {
        bar.setValue(bar.value() + bar.pageStep() > bar.maximum() ? 0 : bar.value() + bar.pageStep());
        tree.viewport()->repaint();
    }
    state.counters["rows"] = double(bar.maximum() + bar.pageStep());
}
BENCHMARK(BM_ScrollAPageOfTheOpenTree)->Unit(benchmark::kMillisecond);
} // namespace
