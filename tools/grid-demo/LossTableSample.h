#pragma once

#include <QString>

class CGridCtrl;

// Sample contents shaped like the loss-test table: 17 columns, one title row,
// three rows (wavelengths) per record, Cable, Fiber, Date and Time merged over
// the record's rows. Used by the demonstration and the benchmarks.
constexpr int SampleColumns = 17;
constexpr int SampleWavesPerRecord = 3;

int SampleColumnWidth(int col);
QString SampleTitle(int col);
// The text of a data row (0-based, title row not counted) in a column.
QString SampleText(int dataRow, int col);
bool SampleColumnIsMerged(int col);

// Fills the grid from scratch with a title row and dataRows data rows.
void FillLossTableSample(CGridCtrl& grid, int dataRows);
