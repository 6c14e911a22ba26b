#include "data/CDataStore.h"
#include "data/FieldText.h"
#include "report/CReport.h"
#include "report/ReportDrawing.h"
#include "report/ReportFonts.h"

#include <array>
#include <vector>

namespace {
constexpr int TitleTop = 60;
constexpr int RowHeight = 40;
constexpr size_t RowsPerPage = 24;

struct Column
{
    const char* title;
    int width;
};

constexpr int OpmLeft = 5;
constexpr std::array<Column, 8> OpmColumns{{{"Record", 50},
                                            {"Cable", 160},
                                            {"Fiber", 160},
                                            {"WaveLength", 90},
                                            {"Power", 90},
                                            {"Reference", 90},
                                            {"Date", 105},
                                            {"Time", 100}}};
constexpr int OrlLeft = 20;
constexpr std::array<Column, 7> OrlColumns{{{"Record", 55},
                                            {"Cable", 170},
                                            {"Fiber", 170},
                                            {"WaveLength", 95},
                                            {"OrlPower", 95},
                                            {"Date", 120},
                                            {"Time", 105}}};

// The bottom-right corner of a full page.
template <size_t N> QPoint LayoutEnd(int left, const std::array<Column, N>& columns)
{
    int right = left;
    for (const Column& column : columns)
        right += column.width;
    return QPoint(right, TitleTop + RowHeight * static_cast<int>(RowsPerPage + 1));
}

// A table of one record per row: the title row, then the page's records,
// every cell boxed and its text centred.
template <size_t N, typename Record, typename CellTexts>
void PrintListPage(DrawContext& dc, const PrintInfo& info, int left, const std::array<Column, N>& columns,
                   const std::vector<Record>& records, CellTexts cellTexts)
{
    SelectedFont font(dc, ReportFont::Table);
    if (records.empty())
        return;
    int x = left;
    for (const Column& column : columns) {
        Box(dc, x, TitleTop, x + column.width, TitleTop + RowHeight);
        dc.DrawTextIn(Edges(x, TitleTop, x + column.width, TitleTop + RowHeight), column.title, Centred);
        x += column.width;
    }
    const size_t first = info.m_CurrentPage > 0 ? RowsPerPage * (info.m_CurrentPage - 1) : 0;
    for (size_t i = first; i < records.size() && i < first + RowsPerPage; ++i) {
        const int row = static_cast<int>(i - first);
        const int top = TitleTop + RowHeight * (row + 1);
        const std::array<QString, N> texts = cellTexts(records[i], static_cast<int>(i) + 1);
        x = left;
        for (size_t c = 0; c < N; ++c) {
            const int right = x + columns[c].width;
            Box(dc, x, top, right, top + RowHeight);
            dc.DrawTextIn(Edges(x, top, right, top + RowHeight), texts[c], Centred);
            x = right;
        }
    }
}
} // namespace

void CReport::PrintOpmPage(DrawContext& dc, const PrintInfo& info) const
{
    PrintListPage(
        dc, info, OpmLeft, OpmColumns, m_Store.GetOpmRecords(),
        [](const OpmRecord& r, int number) {
            return std::array<QString, 8>{QString::number(number),    Latin1(FieldText(r.Cable)),
                                          Latin1(FieldText(r.Fiber)), Latin1(FieldText(r.WaveLength)),
                                          Latin1(FieldText(r.Power)), Latin1(FieldText(r.Reference)),
                                          Latin1(FieldText(r.Date)),  Latin1(FieldText(r.Time))};
        });
}

void CReport::PrintOrlPage(DrawContext& dc, const PrintInfo& info) const
{
    PrintListPage(
        dc, info, OrlLeft, OrlColumns, m_Store.GetOrlRecords(),
        [](const OrlRecord& r, int number) {
            return std::array<QString, 7>{QString::number(number),       Latin1(FieldText(r.Cable)),
                                          Latin1(FieldText(r.Fiber)),    Latin1(FieldText(r.WaveLength)),
                                          Latin1(FieldText(r.OrlValue)), Latin1(FieldText(r.Date)),
                                          Latin1(FieldText(r.Time))};
        });
}

QPoint CReport::OpmLayoutEnd()
{
    return LayoutEnd(OpmLeft, OpmColumns);
}

QPoint CReport::OrlLayoutEnd()
{
    return LayoutEnd(OrlLeft, OrlColumns);
}
