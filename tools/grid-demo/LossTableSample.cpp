#include "tools/grid-demo/LossTableSample.h"

#include "grid/GridCtrl.h"
#include "views/LossTableColumns.h"

#include <algorithm>

namespace {
constexpr size_t RecordColumnCount()
{
    size_t count = 0;
    for (const LossTableColumn& column : LossTableColumns)
        count += column.value.ofVerdict ? 0 : 1;
    return count;
}
static_assert(SampleColumns == RecordColumnCount(), "the sample shows the loss-test table's own columns");

// The table's column `col` as it shows without verdicts.
const LossTableColumn& SampleColumn(int col)
{
    static const ShownLossColumns shown = LossColumnsShown(false);
    return *shown.at(static_cast<size_t>(col));
}

constexpr int WaveLengths[SampleWavesPerRecord] = {1310, 1550, 1625};

// A repeatable spread of loss values between 0.10 and 2.09 dB.
double SampleLoss(int dataRow, int direction)
{
    const unsigned mixed =
        static_cast<unsigned>(dataRow) * 2654435761u + static_cast<unsigned>(direction) * 40503u;
    return 0.10 + (mixed >> 8) % 200 / 100.0;
}
} // namespace

int SampleColumnWidth(int col)
{
    return SampleColumn(col).gridWidth;
}

QString SampleTitle(int col)
{
    return LossTableTitle(SampleColumn(col));
}

bool SampleColumnIsMerged(int col)
{
    return SampleColumn(col).merged;
}

QString SampleText(int dataRow, int col)
{
    const int record = dataRow / SampleWavesPerRecord;
    const int wave = dataRow % SampleWavesPerRecord;
    const double lossAB = SampleLoss(dataRow, 0);
    const double lossBA = SampleLoss(dataRow, 1);
    const double threshold = 1.50;
    const double refAB = -10.0;
    const double refBA = -10.5;
    switch (col) {
    case 0:
        return QStringLiteral("Cable %1").arg(record / 12 + 1);
    case 1:
        return QStringLiteral("Fiber %1").arg(record % 12 + 1);
    case 2:
        return QString::number(WaveLengths[wave]);
    case 3:
        return QString::number(lossAB, 'f', 2);
    case 4:
        return QString::number(lossBA, 'f', 2);
    case 5:
        return QString::number((lossAB + lossBA) / 2, 'f', 2);
    case 6:
        return QString::number(refAB, 'f', 2);
    case 7:
        return QString::number(refBA, 'f', 2);
    case 8:
        return QString::number(threshold, 'f', 2);
    case 9:
        return QString::number(refAB - lossAB, 'f', 2);
    case 10:
        return QString::number(refBA - lossBA, 'f', 2);
    case 11:
        return threshold >= lossAB && threshold >= lossBA ? QStringLiteral("Pass") : QStringLiteral("Fail");
    case 12:
        return QString::number(1.25 + record % 40 * 0.125, 'f', 3);
    case 13:
        return QString::number(40 + lossAB * 3, 'f', 2);
    case 14:
        return QString::number(40 + lossBA * 3, 'f', 2);
    case 15:
        return QStringLiteral("2024-%1-%2")
            .arg(record % 12 + 1, 2, 10, QLatin1Char('0'))
            .arg(record % 28 + 1, 2, 10, QLatin1Char('0'));
    default:
        return QStringLiteral("%1:%2:%3")
            .arg(record / 3600 % 24, 2, 10, QLatin1Char('0'))
            .arg(record / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(record % 60, 2, 10, QLatin1Char('0'));
    }
}

void FillLossTableSample(CGridCtrl& grid, int dataRows)
{
    grid.DeleteAllItems();
    if (dataRows <= 0)
        return;
    grid.SetRowCount(1 + dataRows);
    grid.SetColumnCount(SampleColumns);
    grid.SetFixedRowCount(1);
    for (int col = 0; col < SampleColumns; ++col) {
        grid.SetColumnWidth(col, SampleColumnWidth(col));
        grid.SetItemText(0, col, SampleTitle(col));
        grid.SetItemFormat(0, col, CentredWordWrap);
    }
    // Titles carry their unit on a second line.
    grid.AutoSizeRow(0);
    grid.SetFixedColumnCount(1);
    for (int first = 0; first < dataRows; first += SampleWavesPerRecord) {
        const int row = 1 + first;
        const int extraRows = std::min(SampleWavesPerRecord, dataRows - first) - 1;
        grid.MergeFixedCells(row, 0, extraRows, 0);
        grid.MergeCells(row, 1, extraRows, 0, 0);
        grid.MergeCells(row, 15, extraRows, 0, 0);
        grid.MergeCells(row, 16, extraRows, 0, 0);
        for (int i = 0; i <= extraRows; ++i) {
            for (int col = 0; col < SampleColumns; ++col) {
                grid.SetItemText(row + i, col, SampleText(first + i, col));
                grid.SetItemFormat(row + i, col, CentredWordWrap);
            }
        }
    }
    grid.ExpandColumnsToFit();
    grid.ResetHorizontalScroll();
    grid.ScrollToTop();
}
