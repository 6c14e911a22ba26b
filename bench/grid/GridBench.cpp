// Speed and memory of the grid filled like the loss-test table with 65,535
// three-wavelength records (196,606 rows x 17 columns), next to a
// QTableWidget holding the same texts and spans.
#include "bench/support/HeapInUse.h"
#include "grid/GridCtrl.h"
#include "tools/grid-demo/LossTableSample.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTableWidget>
#include <benchmark/benchmark.h>
#include <memory>

namespace {
constexpr int RecordCount = 65535;
constexpr int DataRowCount = RecordCount * SampleWavesPerRecord + 1; // 196,606 with the title row
constexpr int WindowWidth = 1280;
constexpr int WindowHeight = 1024;

void FillTableWidget(QTableWidget& table, int dataRows)
{
    table.setRowCount(1 + dataRows);
    table.setColumnCount(SampleColumns);
    for (int col = 0; col < SampleColumns; ++col) {
        table.setColumnWidth(col, SampleColumnWidth(col));
        table.setItem(0, col, new QTableWidgetItem(SampleTitle(col)));
    }
    for (int first = 0; first < dataRows; first += SampleWavesPerRecord) {
        const int extraRows = std::min(SampleWavesPerRecord, dataRows - first) - 1;
        for (int col = 0; col < SampleColumns; ++col)
            if (SampleColumnIsMerged(col) && extraRows > 0)
                table.setSpan(1 + first, col, extraRows + 1, 1);
        for (int i = 0; i <= extraRows; ++i) {
            for (int col = 0; col < SampleColumns; ++col) {
                auto* item = new QTableWidgetItem(SampleText(first + i, col));
                item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
                table.setItem(1 + first + i, col, item);
            }
        }
    }
}

void ReportMemory(benchmark::State& state, long long before)
{
    const long long after = HeapInUse();
    if (before >= 0 && after >= 0)
        state.counters["added_MB"] = static_cast<double>(after - before) / (1024.0 * 1024.0);
}

void BM_FillGrid(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        const long long before = HeapInUse();
        auto grid = std::make_unique<CGridCtrl>();
        grid->resize(WindowWidth, WindowHeight);
        grid->show();
        state.ResumeTiming();
        FillLossTableSample(*grid, DataRowCount - 1);
        state.PauseTiming();
        ReportMemory(state, before);
        state.counters["cells"] = static_cast<double>(grid->GetRowCount()) * grid->GetColumnCount();
        grid.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FillGrid)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FillTableWidget(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        const long long before = HeapInUse();
        auto table = std::make_unique<QTableWidget>();
        table->resize(WindowWidth, WindowHeight);
        table->show();
        state.ResumeTiming();
        FillTableWidget(*table, DataRowCount - 1);
        state.PauseTiming();
        ReportMemory(state, before);
        table.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FillTableWidget)->Unit(benchmark::kMillisecond)->Iterations(1);

// One filled grid shared by the paint, scroll and fit measurements.
CGridCtrl& FilledGrid()
{
    static CGridCtrl* grid = [] {
        auto* created = new CGridCtrl();
        created->resize(WindowWidth, WindowHeight);
        created->show();
        FillLossTableSample(*created, DataRowCount - 1);
        QApplication::processEvents();
        return created;
    }();
    return *grid;
}

// Paints the whole window of cells at the top (0), middle (1) or bottom (2).
void BM_PaintWindow(benchmark::State& state)
{
    CGridCtrl& grid = FilledGrid();
    QScrollBar* bar = grid.verticalScrollBar();
    const int position = static_cast<int>(state.range(0));
    bar->setValue(position == 0 ? 0 : position == 1 ? bar->maximum() / 2 : bar->maximum());
    QImage image(grid.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        grid.viewport()->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["top_row"] = grid.GetTopleftNonFixedCell().row;
}
BENCHMARK(BM_PaintWindow)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// Scrolls one line down and lets the window repaint what came into view.
void BM_ScrollOneLine(benchmark::State& state)
{
    CGridCtrl& grid = FilledGrid();
    QScrollBar* bar = grid.verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    QApplication::processEvents();
    for (auto _ : state) {
        grid.OnVScroll(GridScroll::LineDown);
        QApplication::processEvents();
        if (bar->value() == bar->maximum()) {
            state.PauseTiming();
            bar->setValue(0);
            QApplication::processEvents();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_ScrollOneLine)->Unit(benchmark::kMillisecond);

void BM_ExpandColumnsToFit(benchmark::State& state)
{
    CGridCtrl& grid = FilledGrid();
    for (auto _ : state) {
        state.PauseTiming();
        for (int col = 0; col < SampleColumns; ++col)
            grid.SetColumnWidth(col, SampleColumnWidth(col));
        state.ResumeTiming();
        grid.ExpandColumnsToFit();
        benchmark::DoNotOptimize(grid.GetColumnWidth(0));
    }
}
BENCHMARK(BM_ExpandColumnsToFit)->Unit(benchmark::kMillisecond);

void BM_ResetScrollBars(benchmark::State& state)
{
    CGridCtrl& grid = FilledGrid();
    for (auto _ : state) {
        grid.SetRowHeight(DataRowCount / 2, grid.GetRowHeight(DataRowCount / 2)); // sums are stale again
        grid.ResetScrollBars();
        grid.ResetHorizontalScroll();
    }
}
BENCHMARK(BM_ResetScrollBars)->Unit(benchmark::kMillisecond);
} // namespace
