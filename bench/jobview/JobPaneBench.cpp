// The job beside the tabs with a data centre's job: 200,000 planned fibres
// tested in 40 files. Opening it until the pane has painted its counts and
// tree (at most 1 s), and scrolling the tree by a page at a time with the
// first hundred cables open (14,400 fibre rows among 1,400 cables), each page
// painted (at most 16 ms, one frame at 60 Hz).
#include "bench/support/SiteFiles.h"
#include "jobs/Job.h"
#include "jobview/CJobPane.h"
#include "jobview/JobSession.h"
#include "platform/ui/ScriptedPrompts.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeView>
#include <benchmark/benchmark.h>

namespace {
// The job, made once in a temporary folder.
class SiteJob
{
public:
    SiteJob() : m_Path(m_Folder.filePath(QStringLiteral("site.kavjob")))
    {
        std::unique_ptr<Job> job;
        if (!CreateSiteJob(m_Folder.path().toStdString(), m_Path.toStdString(), job).ok())
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
    // The pane's tree reads the session's state until the pane goes: it
    // goes first, before the session it shows.
    ~Window() { delete pane; }
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
};

void BM_OpenTheJobUntilPainted(benchmark::State& state)
{
    const SiteJob& site = TheSite();
    Window window;
    for (auto _ : state) {
        if (!window.session.Open(site.Path()))
            state.SkipWithError("the job did not open");
        // The tree lays its rows out when events are next handled: shown
        // means laid out and painted.
        QCoreApplication::processEvents();
        window.pane->repaint();
        state.PauseTiming();
        window.session.Close();
        state.ResumeTiming();
    }
    state.counters["fibres"] = double(SiteFileCount * SiteFibresPerFile);
}
BENCHMARK(BM_OpenTheJobUntilPainted)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ScrollAPageOfTheOpenTree(benchmark::State& state)
{
    Window window;
    if (!window.session.Open(TheSite().Path()))
        state.SkipWithError("the job did not open");
    QTreeView& tree = *window.pane->Tree();
    for (int cable = 0; cable < 100; ++cable)
        tree.expand(tree.model()->index(cable, 0));
    QCoreApplication::processEvents();
    QScrollBar& bar = *tree.verticalScrollBar();
    if (bar.maximum() == 0)
        state.SkipWithError("the tree has nothing to scroll");
    for (auto _ : state) {
        bar.setValue(bar.value() + bar.pageStep() > bar.maximum() ? 0 : bar.value() + bar.pageStep());
        tree.viewport()->repaint();
    }
    state.counters["rows"] = double(bar.maximum() + bar.pageStep());
}
BENCHMARK(BM_ScrollAPageOfTheOpenTree)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace
