#pragma once

#include "data/CellKind.h"
#include "data/ColumnOrder.h"
#include "data/LimitColumnCells.h"
#include "data/LossTestRules.h"
#include "platform/Translatable.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// The loss-test table, described once for the window's grid, the CSV
// export, the workbook and the printed report. The CSV export and the
// workbook show the columns in the order below, and so does the grid but for
// the verdicts' columns, which it places after the wavelength; the report
// places those it shows in an order of its own.

// What a column's cells show: a value of the record at the row's wavelength,
// by the value rules, or of that wavelength's verdict against the chosen
// limit, which only a table shown with its verdicts has.
struct LossValue
{
    constexpr LossValue(KavColumn value) : record(value) {}
    constexpr LossValue(LimitColumn value) : verdict(value), ofVerdict(true) {}
    constexpr bool operator==(KavColumn value) const { return !ofVerdict && record == value; }
    constexpr bool operator==(const LossValue& other) const
    {
        return ofVerdict == other.ofVerdict &&
               (ofVerdict ? verdict == other.verdict : record == other.record);
    }

    KavColumn record = KavColumn::Cable;
    LimitColumn verdict = LimitColumn::Limit;
    bool ofVerdict = false;
};

struct LossTableColumn
{
    LossValue value;
    // The title of the grid and the workbook: the name, or the name and the
    // unit on two lines.
    const char* name;
    const char* unit; // null when the title has one line
    // The grid's
    int gridWidth; // pixels, before the columns are fitted to the window
    bool merged;   // one text for the record, merged over its rows
    // The CSV export's
    const char* csvHeader;
    bool csvOnLastRow; // written on the record's last row alone, a space on the others
    // The workbook's
    CellKind cell;
    // The report's: a heading (translated in the context "Report") and a
    // unit under it, a width in report units, a place from the left
    // (NotPlaced where the report leaves the column out), and whether its
    // values are drawn in the heavy cell font.
    const char* reportTitle;
    const char* reportUnit;
    int reportWidth;
    int reportPosition;
    bool reportHeavy;
    // The grid's and the workbook's title under a limit other than the
    // instrument's, where the column's own would not say whose it is; null
    // where the title stays.
    const char* nameUnderLimit = nullptr;
    const char* unitUnderLimit = nullptr;
};

// Each row: what its cells show; the title's name and unit; the grid's width
// and whether the grid merges it; the CSV header and whether only the
// record's last row has it; what the workbook's cells hold; the report's
// heading and unit, width, place and font.
inline constexpr std::array<LossTableColumn, 20> LossTableColumns{{
    {KavColumn::Cable, "Cable", nullptr, 111, true, "Cable", false, CellKind::Text, nullptr, nullptr, 0,
     NotPlaced, false},
    {KavColumn::Fiber, "Fiber", nullptr, 111, true, "Fiber", false, CellKind::Text,
     KAV_TRANSLATABLE("Report", "Fiber ID"), nullptr, 90, 0, true},
    {KavColumn::WaveLength, "Wavelength", "(nm)", 85, false, "Wavelength(nm)", false, CellKind::Number,
     KAV_TRANSLATABLE("Report", "Wavelength"), "(nm)", 100, 1, false},
    {KavColumn::LossAB, "Loss AB", "(dB)", 66, false, "LossA->B(dB)", false, CellKind::Number,
     KAV_TRANSLATABLE("Report", "Loss AB"), "(dB)", 45, 2, true},
    {KavColumn::LossBA, "Loss BA", "(dB)", 66, false, "LossB->A(dB)", false, CellKind::Number,
     KAV_TRANSLATABLE("Report", "Loss BA"), "(dB)", 45, 4, true},
    {KavColumn::AverageLoss, "AVG L", "(dB)", 55, false, "AVER", false, CellKind::Number,
     KAV_TRANSLATABLE("Report", "AVG L"), "(dB)", 45, 6, false},
    {KavColumn::RefAB, "REF AB", "(dBm)", 66, false, "ReferenceA->B(dBm)", false, CellKind::Number,
     KAV_TRANSLATABLE("Report", "REF AB"), "(dBm)", 45, 3, false},
    {KavColumn::RefBA, "REF BA", "(dBm)", 66, false, "ReferenceB->A(dBm)", false, CellKind::Number,
     KAV_TRANSLATABLE("Report", "REF BA"), "(dBm)", 45, 5, false},
    {KavColumn::Threshold, "Threshold", "(dB)", 78, false, "Threshold(dB)", false, CellKind::Number, nullptr,
     nullptr, 0, NotPlaced, false},
    {KavColumn::PowerB, "PWR B", "(dBm)", 60, false, "PowerA->B(dBm)", false, CellKind::Number, nullptr,
     nullptr, 0, NotPlaced, false},
    {KavColumn::PowerA, "PWR A", "(dBm)", 60, false, "PowerB->A(dBm)", false, CellKind::Number, nullptr,
     nullptr, 0, NotPlaced, false},
    {KavColumn::Verdict, "Pass", "/Fail", 51, false, "Pass/Fail", false, CellKind::Text, nullptr, nullptr, 0,
     NotPlaced, false, "Instrument", "P/F"},
    {KavColumn::Length, "Length", "(km)", 60, false, "Length(km)", true, CellKind::Number,
     KAV_TRANSLATABLE("Report", "Length"), "(km)", 45, 9, false},
    {KavColumn::OrlAB, "ORL AB", "(dB)", 72, false, "ORL A->B(dB)", false, CellKind::Number,
     KAV_TRANSLATABLE("Report", "ORL AB"), "(dB)", 45, 7, true},
    {KavColumn::OrlBA, "ORL BA", "(dB)", 72, false, "ORL B->A(dB)", false, CellKind::Number,
     KAV_TRANSLATABLE("Report", "ORL BA"), "(dB)", 45, 8, true},
    {KavColumn::Date, "Date", nullptr, 82, true, "Date", false, CellKind::Date, nullptr, nullptr, 0,
     NotPlaced, false},
    {KavColumn::Time, "Time", nullptr, 70, true, "Time", false, CellKind::Time, nullptr, nullptr, 0,
     NotPlaced, false},
    {LimitColumn::Limit, "Limit", "(dB)", 60, false, "Limit(dB)", false, CellKind::Number,
     KAV_TRANSLATABLE("Report", "Limit"), "(dB)", 40, 10, false},
    {LimitColumn::Margin, "Margin", "(dB)", 60, false, "Margin(dB)", false, CellKind::Number,
     KAV_TRANSLATABLE("Report", "Margin"), "(dB)", 50, 11, false},
    {LimitColumn::Result, "Result", nullptr, 80, false, "Result", false, CellKind::Text,
     KAV_TRANSLATABLE("Report", "Result"), nullptr, 80, 12, true},
}};
constexpr size_t LossTableColumnCount = LossTableColumns.size();

constexpr int ReportPositionOf(const LossTableColumn& column)
{
    return column.reportPosition;
}
static_assert(IsOrder(LossTableColumns, ReportPositionOf));

// The columns a table shows, in order: the record's values, and with
// `verdicts` those of its verdicts too, last, where the programs that read
// the CSV export find them.
using ShownLossColumns = std::vector<const LossTableColumn*>;
ShownLossColumns LossColumnsShown(bool verdicts);

// The grid shows the verdicts' columns after this one: beside the row's
// wavelength, and on screen at the window's default size, where the end of
// the table is a sideways scroll away.
inline constexpr KavColumn GridVerdictsAfter = KavColumn::WaveLength;

// The columns the grid shows, in its order: those of LossColumnsShown, with
// the verdicts' after GridVerdictsAfter.
ShownLossColumns LossColumnsInGrid(bool verdicts);

// The place in `shown` of the column that shows `value`, or -1.
int ColumnOf(const ShownLossColumns& shown, LossValue value);

// The text of `column` in the row of wavelength `wave` of `record`; a
// verdict's column takes it from `verdict`, the row's.
void AppendLossCellText(std::string& out, const LossTableColumn& column, const KavRecordView& record,
                        int wave, const WaveVerdict* verdict);
// The number a record's column shows, for the outputs that keep numbers as
// numbers; nothing where it shows none ("N/A", a name) or the column is a
// verdict's, which the record alone does not give.
std::optional<ShownNumber> LossCellNumber(const LossTableColumn& column, const KavRecordView& record,
                                          int wave);
