#include "report/FlowPages.h"

#include "platform/draw/TextFitting.h"
#include "report/ReportDrawing.h"
#include "report/ReportFonts.h"

#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>

namespace {
constexpr int TitleTop = 60;
constexpr int RuleY = TitleTop + 44; // below the title's line, as in the header block
constexpr int ContentTop = RuleY + 16;
constexpr int SectionHeight = 44; // a gap of 16, the section font's 20 and 8 below
constexpr int SectionGap = 16;
constexpr int RowHeight = 24;         // as the loss-test table's rows
constexpr int WrappedLineHeight = 14; // of the cells' font, in a row whose names wrap
constexpr int CellPadding = 4;        // each side of a wrapped cell's text
constexpr DrawContext::TextFormat CentredWrapped =
    DrawContext::TextFormat::HCenter | DrawContext::TextFormat::VCenter | DrawContext::TextFormat::WordBreak |
    DrawContext::TextFormat::EditControl;

// `text` broken into the lines it takes in `font` across `width` report units.
QStringList WrappedLines(const QString& text, ReportFont font, int width)
{
    return EditControlLines(text, QFontMetricsF(MakeReportFont(font)), width);
}
} // namespace

void FlowPages::AddSection(const QString& title)
{
    m_Entries.push_back({LineKind::Section, static_cast<uint32_t>(m_Texts.size())});
    m_Texts.push_back(title);
}

void FlowPages::AddText(const QString& text)
{
    // A text that fits stays as it is, its indent too.
    const bool fits = QFontMetricsF(MakeReportFont(ReportFont::Body)).horizontalAdvance(text) <= Right - Left;
    for (const QString& line :
         fits ? QStringList{text} : WrappedLines(text, ReportFont::Body, Right - Left)) {
        m_Entries.push_back({LineKind::Text, static_cast<uint32_t>(m_Texts.size())});
        m_Texts.push_back(line);
    }
}

void FlowPages::AddTable(std::vector<Column> columns, size_t rows, RowTexts texts)
{
    const auto table = static_cast<uint32_t>(m_Tables.size());
    m_Tables.push_back({std::move(columns), std::move(texts)});
    const Table& added = m_Tables.back();
    const bool wraps =
        std::any_of(added.columns.begin(), added.columns.end(), [](const Column& c) { return c.wraps; });
    m_Entries.push_back({LineKind::Heading, table});
    for (size_t row = 0; row < rows; ++row) {
        Entry entry{LineKind::Row, table, static_cast<uint32_t>(row)};
        const std::vector<QString> cells = wraps ? added.texts(row) : std::vector<QString>();
        for (size_t c = 0; c < cells.size() && c < added.columns.size(); ++c)
            if (added.columns[c].wraps) {
                const auto lines = static_cast<uint32_t>(
                    WrappedLines(cells[c], ReportFont::ThinCell, added.columns[c].width - 2 * CellPadding)
                        .size());
                entry.lines = std::max(entry.lines, lines);
            }
        m_Entries.push_back(entry);
    }
}

void FlowPages::AddBlock(int height, BlockPainter paint)
{
    m_Entries.push_back({LineKind::Block, static_cast<uint32_t>(m_Blocks.size())});
    m_Blocks.push_back({height, std::move(paint)});
}

void FlowPages::AddPageBreak()
{
    m_Entries.push_back({LineKind::Break, 0});
}

int FlowPages::HeightOf(const Entry& entry) const
{
    switch (entry.kind) {
    case LineKind::Section:
        return SectionHeight;
    case LineKind::Text:
        return TextHeight;
    case LineKind::Block:
        return m_Blocks[entry.index].height;
    case LineKind::Break:
        return 0;
    case LineKind::Heading:
    case LineKind::Row:
        break;
    }
    return entry.lines > 1 ? static_cast<int>(entry.lines) * WrappedLineHeight + 2 * CellPadding : RowHeight;
}

void FlowPages::Paginate(int pageBottom)
{
    m_PageStarts = {0};
    int y = ContentTop;
    for (size_t i = 0; i < m_Entries.size(); ++i) {
        if (m_Entries[i].kind == LineKind::Break) {
            if (i + 1 < m_Entries.size() && m_PageStarts.back() != i) {
                m_PageStarts.push_back(i + 1);
                y = ContentTop;
            }
            continue;
        }
        // A heading goes with what follows it down to the first line of text
        // or the first row.
        int together = HeightOf(m_Entries[i]);
        for (size_t j = i; j + 1 < m_Entries.size() &&
                           (m_Entries[j].kind == LineKind::Section || m_Entries[j].kind == LineKind::Heading);
             ++j)
            together += HeightOf(m_Entries[j + 1]);
        if (i != m_PageStarts.back() && y + together > pageBottom) {
            m_PageStarts.push_back(i);
            y = ContentTop;
            if (m_Entries[i].kind == LineKind::Row)
                y += RowHeight; // the repeated heading row
        }
        y += HeightOf(m_Entries[i]);
    }
}

void FlowPages::PrintPage(DrawContext& dc, unsigned page, const QString& title) const
{
    if (page == 0 || page > PageCount())
        return;
    SelectedFont restored(dc, ReportFont::Title);
    dc.TextAt(Left, TitleTop, title);
    Line(dc, Left, RuleY, Right, RuleY);

    const size_t first = m_PageStarts[page - 1];
    const size_t end = page < PageCount() ? m_PageStarts[page] : m_Entries.size();
    int y = ContentTop;
    if (first < end && m_Entries[first].kind == LineKind::Row) {
        PrintEntry(dc, {LineKind::Heading, m_Entries[first].index}, y);
        y += RowHeight;
    }
    for (size_t i = first; i < end; ++i) {
        PrintEntry(dc, m_Entries[i], y);
        y += HeightOf(m_Entries[i]);
    }
}

void FlowPages::PrintEntry(DrawContext& dc, const Entry& entry, int top) const
{
    switch (entry.kind) {
    case LineKind::Break:
        return;
    case LineKind::Block:
        m_Blocks[entry.index].paint(dc, top);
        return;
    case LineKind::Section:
        dc.SetFont(MakeReportFont(ReportFont::Section));
        dc.TextAt(Left, top + SectionGap, m_Texts[entry.index]);
        return;
    case LineKind::Text:
        dc.SetFont(MakeReportFont(ReportFont::Body));
        dc.TextAt(Left, top, m_Texts[entry.index]);
        return;
    case LineKind::Heading:
    case LineKind::Row:
        break;
    }
    const bool heading = entry.kind == LineKind::Heading;
    dc.SetFont(MakeReportFont(heading ? ReportFont::Heading : ReportFont::ThinCell));
    const Table& table = m_Tables[entry.index];
    std::vector<QString> texts;
    if (heading)
        for (const Column& column : table.columns)
            texts.push_back(column.title);
    else
        texts = table.texts(entry.row);
    const int bottom = top + HeightOf(entry);
    int left = Left;
    for (size_t c = 0; c < texts.size() && c < table.columns.size(); ++c) {
        const int right = left + table.columns[c].width;
        Box(dc, left, top, right, bottom);
        if (entry.lines > 1)
            dc.DrawTextIn(
                Edges(left + CellPadding, top + CellPadding, right - CellPadding, bottom - CellPadding),
                texts[c], CentredWrapped);
        else
            dc.DrawTextIn(Edges(left, top, right, bottom), texts[c], Centred);
        left = right;
    }
}
