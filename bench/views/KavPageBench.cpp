// The KAV tab of the running program with the largest loss-test file the
// instrument writes (65,535 three-wavelength records, 196,606 grid rows):
// opening it through the tab's Open until the grid has painted, coming back to
// the tab (at most 50 ms) and one step of the window's edge being dragged (at
// most 30 ms), neither of which rebuilds the table, and the memory the table
// adds. With verdicts: a repaint of the table with its coloured loss cells
// and the summary line at any position (at most 16 ms), a change of the
// limit until table and summary line are painted again (at most 300 ms), and
// the limit columns turned on or off.
#include "app/CKAVApp.h"
#include "app/CMainFrame.h"
#include "bench/support/HeapInUse.h"
#include "data/CDataStore.h"
#include "grid/GridCtrl.h"
#include "platform/hid/SimulatedInstrument.h"
#include "platform/ui/ScriptedPrompts.h"
#include "tools/make-samples/SampleSet.h"
#include "views/AutoTracePageControl.h"
#include "views/CKAVView.h"
#include "views/CKavGridPage.h"
#include "views/Tabs.h"
#include "views/VerdictSummaryLine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <set>

namespace {
constexpr size_t RecordCount = 65535;
constexpr int TableRows = 1 + 3 * static_cast<int>(RecordCount);

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// The program's window with the file written once into a temporary folder.
class Program
{
public:
    Program() : m_App(MakeAutoTracePageFactory(CreateSimulatedInstrument()))
    {
        m_Path = m_Folder.filePath(QStringLiteral("largest.bin"));
        const std::string bytes = EncodeKavResult(ThreeWaveLengths, SampleLossTests(RecordCount, 12));
        QFile file(m_Path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        m_App.InitInstance({});
        View().SelectTab(TabKav);
        QApplication::processEvents();
    }

    CMainFrame& Frame() const { return *m_App.MainFrame(); }
    CKAVView& View() const { return *Frame().View(); }
    CKavGridPage& Page() const { return *View().KavPage(); }

    void OpenOnKavTab()
    {
        m_Prompts.QueueFile(m_Path);
        View().OnCommand(CommandId::FileOpen);
    }

    // Runs the event loop until the page's grid has painted; false when it
    // never does.
    bool PaintGrid() const
    {
        CGridCtrl* grid = Page().Grid();
        if (!grid)
            return false;
        PaintCounter counter;
        grid->viewport()->installEventFilter(&counter);
        QElapsedTimer waited;
        waited.start();
        while (counter.paints == 0 && waited.elapsed() < 5000)
            QApplication::processEvents();
        grid->viewport()->removeEventFilter(&counter);
        return counter.paints > 0;
    }

    bool ShowsLargestTable() const { return Page().Grid() && Page().Grid()->GetRowCount() == TableRows; }

    // The table away from its top, as a user leaves it after scrolling.
    void ScrollDown() const
    {
        for (int page = 0; page < 20; ++page)
            Page().Grid()->OnVScroll(GridScroll::PageDown);
    }
    int TopRow() const { return Page().Grid()->GetTopleftNonFixedCell().row; }

private:
    QTemporaryDir m_Folder;
    QString m_Path;
    ScriptedPrompts m_Prompts;
    CKAVApp m_App;
};

Program& TheProgram()
{
    static Program* program = new Program();
    return *program;
}

// Open on the KAV tab until the first paint: Arg(0) over an empty table,
// Arg(1) over the same table already shown.
void BM_OpenUntilFirstPaint(benchmark::State& state)
{
    Program& program = TheProgram();
    for (auto _ : state) {
        if (state.range(0) == 0) {
            state.PauseTiming();
            program.Page().Grid()->DeleteAllItems();
            QApplication::processEvents();
            state.ResumeTiming();
        }
        program.OpenOnKavTab();
        if (!program.PaintGrid() || !program.ShowsLargestTable())
            state.SkipWithError("the table was not shown");
    }
}
BENCHMARK(BM_OpenUntilFirstPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

// Back to the KAV tab until the table has painted: the same table, at the
// row the user left it.
void BM_TabChangeBackToKav(benchmark::State& state)
{
    Program& program = TheProgram();
    program.OpenOnKavTab();
    program.PaintGrid();
    program.ScrollDown();
    const int top = program.TopRow();
    CGridCtrl* const grid = program.Page().Grid();
    for (auto _ : state) {
        state.PauseTiming();
        program.View().SelectTab(TabOpm);
        QApplication::processEvents();
        state.ResumeTiming();
        program.View().SelectTab(TabKav);
        if (!program.PaintGrid() || !program.ShowsLargestTable())
            state.SkipWithError("the table was not shown");
    }
    state.counters["same_grid"] = program.Page().Grid() == grid ? 1 : 0;
    state.counters["top_row_kept"] = program.TopRow() == top ? 1 : 0;
}
BENCHMARK(BM_TabChangeBackToKav)->Unit(benchmark::kMillisecond)->Iterations(5);

// One step of the window's edge being dragged: the view's resize and the
// repaint; the table keeps its cells and its top row, and nothing is left to
// do afterwards.
void BM_ResizeStep(benchmark::State& state)
{
    Program& program = TheProgram();
    program.OpenOnKavTab();
    program.PaintGrid();
    program.ScrollDown();
    const int top = program.TopRow();
    const QSize start = program.Frame().size();
    CGridCtrl* const grid = program.Page().Grid();
    std::set<int> gridWidths;
    int step = 0;
    for (auto _ : state) {
        ++step;
        program.Frame().resize(start.width() + 4 * (step % 50), start.height() + 2 * (step % 50));
        if (!program.PaintGrid())
            state.SkipWithError("the grid did not repaint");
        gridWidths.insert(grid->width());
    }
    state.counters["grid_widths"] = static_cast<double>(gridWidths.size());
    state.counters["same_grid"] = program.Page().Grid() == grid ? 1 : 0;
    state.counters["top_row_kept"] = program.TopRow() == top ? 1 : 0;
    program.Frame().resize(start);
}
BENCHMARK(BM_ResizeStep)->Unit(benchmark::kMillisecond)->Iterations(50);

// A contract's budget with a warning band: many amber and red loss cells.
TestLimits Budget()
{
    TestLimits limits;
    limits.method = LimitMethod::Budget;
    limits.preset = "tia-568.3-d-osp";
    limits.connections = 2;
    limits.splices = 2;
    limits.warningBand = Figure("0.5");
    return limits;
}

// The table scrolled to Arg(0) percent of its rows.
void ScrollTo(CGridCtrl& grid, int percent)
{
    const int row = 1 + static_cast<int>(static_cast<long long>(TableRows - 2) * percent / 100);
    grid.EnsureVisible(row, 1);
}

// A repaint of the page, the summary line and the table with its colours, at
// the top, the middle and the end of the table.
void BM_RepaintWithVerdicts(benchmark::State& state)
{
    Program& program = TheProgram();
    program.OpenOnKavTab();
    program.PaintGrid();
    program.Page().SetLimits(Budget());
    ScrollTo(*program.Page().Grid(), static_cast<int>(state.range(0)));
    QApplication::processEvents();
    for (auto _ : state)
        program.Page().repaint();
    state.counters["summary_shown"] = program.Page().SummaryLine()->isVisible() ? 1 : 0;
}
BENCHMARK(BM_RepaintWithVerdicts)->Arg(0)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(50);

// A new limit, from the instrument's thresholds to a budget and back, until
// the table and the summary line have painted again; Arg(1) with the Limit
// and Margin columns shown.
void BM_ChangeLimit(benchmark::State& state)
{
    Program& program = TheProgram();
    program.OpenOnKavTab();
    program.PaintGrid();
    program.Page().ShowLimitColumns(state.range(0) == 1);
    ScrollTo(*program.Page().Grid(), 50);
    bool budget = false;
    for (auto _ : state) {
        budget = !budget;
        program.Page().SetLimits(budget ? Budget() : TestLimits{});
        if (!program.PaintGrid())
            state.SkipWithError("the table did not repaint");
    }
    program.Page().ShowLimitColumns(false);
}
BENCHMARK(BM_ChangeLimit)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(6);

// View > Limit, Margin and Result Columns, on and off, until the table has painted.
void BM_ToggleLimitColumns(benchmark::State& state)
{
    Program& program = TheProgram();
    program.OpenOnKavTab();
    program.PaintGrid();
    program.Page().SetLimits(Budget());
    for (auto _ : state) {
        program.Page().ShowLimitColumns(!program.Page().LimitColumnsShown());
        if (!program.PaintGrid())
            state.SkipWithError("the table did not repaint");
    }
    program.Page().ShowLimitColumns(false);
}
BENCHMARK(BM_ToggleLimitColumns)->Unit(benchmark::kMillisecond)->Iterations(6);

// The heap the shown table holds beyond the same store with an empty grid.
void BM_TableMemory(benchmark::State& state)
{
    Program& program = TheProgram();
    for (auto _ : state) {
        program.OpenOnKavTab();
        program.PaintGrid();
        const long long shown = HeapInUse();
        program.Page().Grid()->DeleteAllItems();
        QApplication::processEvents();
        const long long empty = HeapInUse();
        if (shown < 0 || empty < 0)
            state.SkipWithError("the C library does not tell its heap in use");
        state.counters["table_MB"] = static_cast<double>(shown - empty) / (1024.0 * 1024.0);
    }
}
BENCHMARK(BM_TableMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace
