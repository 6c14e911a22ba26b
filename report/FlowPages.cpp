#include "report/FlowPages.h"

#include "report/ReportDrawing.h"
#include "report/ReportFonts.h"

namespace {
constexpr int Left = 80;
constexpr int Right = 800; // the table pages' right edge
constexpr int TitleTop = 60;
constexpr int RuleY = TitleTop + 44; // below the title's line, as in the header block
constexpr int ContentTop = RuleY + 16;
constexpr int SectionHeight = 44; // a gap of 16, the section font's 20 and 8 below
constexpr int SectionGap = 16;
constexpr int TextHeight = 20; // 1.25 lines of the body font
constexpr int RowHeight = 24;  // as the loss-test table's rows
} // namespace

void FlowPages::AddSection(const QString& title)
{
    m_Entries.push_back({LineKind::Section, static_cast<uint32_t>(m_Texts.size()), 0});
    m_Texts.push_back(title);
}

void FlowPages::AddText(const QString& text)
{
    m_Entries.push_back({LineKind::Text, static_cast<uint32_t>(m_Texts.size()), 0});
    m_Texts.push_back(text);
}

void FlowPages::AddTable(std::vector<Column> columns, size_t rows, RowTexts texts)
{
    const auto table = static_cast<uint32_t>(m_Tables.size());
    m_Tables.push_back({std::move(columns), std::move(texts)});
    m_Entries.push_back({LineKind::Heading, table, 0});
    for (size_t row = 0; row < rows; ++row)
        m_Entries.push_back({LineKind::Row, table, static_cast<uint32_t>(row)});
}

void FlowPages::AddPageBreak()
{
    m_Entries.push_back({LineKind::Break, 0, 0});
}

int FlowPages::HeightOf(LineKind kind)
{
    switch (kind) {
    case LineKind::Section:
        return SectionHeight;
    case LineKind::Text:
        return TextHeight;
    case LineKind::Break:
        return 0;
    case LineKind::Heading:
    case LineKind::Row:
        break;
    }
    return RowHeight;
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
        int together = HeightOf(m_Entries[i].kind);
        for (size_t j = i; j + 1 < m_Entries.size() &&
                           (m_Entries[j].kind == LineKind::Section || m_Entries[j].kind == LineKind::Heading);
             ++j)
            together += HeightOf(m_Entries[j + 1].kind);
        if (i != m_PageStarts.back() && y + together > pageBottom) {
            m_PageStarts.push_back(i);
            y = ContentTop;
            if (m_Entries[i].kind == LineKind::Row)
                y += RowHeight; // the repeated heading row
        }
        y += HeightOf(m_Entries[i].kind);
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
        PrintEntry(dc, {LineKind::Heading, m_Entries[first].index, 0}, y);
        y += RowHeight;
    }
    for (size_t i = first; i < end; ++i) {
        PrintEntry(dc, m_Entries[i], y);
        y += HeightOf(m_Entries[i].kind);
    }
}

void FlowPages::PrintEntry(DrawContext& dc, const Entry& entry, int top) const
{
    switch (entry.kind) {
    case LineKind::Break:
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
    int left = Left;
    for (size_t c = 0; c < texts.size() && c < table.columns.size(); ++c) {
        const int right = left + table.columns[c].width;
        Box(dc, left, top, right, top + RowHeight);
        dc.DrawTextIn(Edges(left, top, right, top + RowHeight), texts[c], Centred);
        left = right;
    }
}
