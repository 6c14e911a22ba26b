#include "data/CDataStore.h"
#include "data/RecordColumns.h"
#include "report/CReport.h"
#include "report/NameText.h"
#include "report/ReportDrawing.h"
#include "report/ReportFonts.h"

#include <array>
#include <vector>

// The OPM and ORL reports: one record per row, in the columns the tables of
// record columns give the report.

namespace {
constexpr int TitleTop = 60;
constexpr int RowHeight = 40;
constexpr size_t RowsPerPage = 24;

unsigned ListPrintPages(size_t records)
{
    return records <= RowsPerPage ? 1u : static_cast<unsigned>((records + RowsPerPage - 1) / RowsPerPage);
}

// A report's columns, left to right, with their edges.
template <typename Record> struct ReportColumn
{
    const RecordColumn<Record>* column;
    int left;
    int right;
};

template <typename Record, size_t N>
std::array<ReportColumn<Record>, N> ReportColumns(const RecordColumns<Record, N>& table)
{
    std::array<ReportColumn<Record>, N> placed{};
    int x = table.reportLeft;
    const std::array<int, N> order = OrderOf(table, &RecordColumn<Record>::reportPosition);
    for (size_t place = 0; place < N; ++place) {
        const RecordColumn<Record>& column = table.columns[static_cast<size_t>(order[place])];
        placed[place] = {&column, x, x + column.reportWidth};
        x += column.reportWidth;
    }
    return placed;
}

// The bottom-right corner of a full page.
template <typename Record, size_t N> QPoint LayoutEnd(const RecordColumns<Record, N>& table)
{
    return QPoint(ReportColumns(table).back().right,
                  TitleTop + RowHeight * static_cast<int>(RowsPerPage + 1));
}

// A table of one record per row: the title row, then the page's records,
// every cell boxed and its text centred.
template <typename Record, size_t N>
void PrintListPage(DrawContext& dc, const PrintInfo& info, const RecordColumns<Record, N>& table,
                   const std::vector<Record>& records)
{
    SelectedFont font(dc, ReportFont::Table);
    if (records.empty())
        return;
    const std::array<ReportColumn<Record>, N> columns = ReportColumns(table);
    const auto cell = [&dc](const ReportColumn<Record>& column, int top, const QString& text) {
        Box(dc, column.left, top, column.right, top + RowHeight);
        DrawCentred(dc, Edges(column.left, top, column.right, top + RowHeight), text);
    };
    for (const ReportColumn<Record>& column : columns)
        cell(column, TitleTop, column.column->reportTitle);
    const size_t first = info.m_CurrentPage > 0 ? RowsPerPage * (info.m_CurrentPage - 1) : 0;
    for (size_t i = first; i < records.size() && i < first + RowsPerPage; ++i) {
        const int top = TitleTop + RowHeight * (static_cast<int>(i - first) + 1);
        for (const ReportColumn<Record>& column : columns) {
            const auto field = column.column->field;
            cell(column, top, field ? NameText(field(records[i])) : QString::number(i + 1));
        }
    }
}
} // namespace

unsigned CReport::GetOpmPrintPages() const
{
    return ListPrintPages(m_Store.GetOpmRecords().size());
}

unsigned CReport::GetOrlPrintPages() const
{
    return ListPrintPages(m_Store.GetOrlRecords().size());
}

void CReport::PrintOpmPage(DrawContext& dc, const PrintInfo& info) const
{
    PrintListPage(dc, info, OpmColumns, m_Store.GetOpmRecords());
}

void CReport::PrintOrlPage(DrawContext& dc, const PrintInfo& info) const
{
    PrintListPage(dc, info, OrlColumns, m_Store.GetOrlRecords());
}

QPoint CReport::OpmLayoutEnd()
{
    return LayoutEnd(OpmColumns);
}

QPoint CReport::OrlLayoutEnd()
{
    return LayoutEnd(OrlColumns);
}
