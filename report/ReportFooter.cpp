#include "report/CReport.h"
#include "report/ReportDrawing.h"
#include "report/ReportFonts.h"
#include "report/ReportText.h"

void CReport::PrintPageFooter(DrawContext& dc, const PrintInfo& info, const PageFooter& footer)
{
    using Format = DrawContext::TextFormat;
    SelectedFont restored(dc, ReportFont::Footer);
    const QRect line = Edges(footer.left, footer.top, footer.right, footer.top + FooterHeight);
    const QString page = ReportText("Report", "Page %1 of %2").arg(info.m_CurrentPage).arg(info.m_MaxPage);
    QString middle = footer.fileName;
    if (footer.cableId)
        middle += (middle.isEmpty() ? QString() : QStringLiteral("    ")) +
                  ReportText("Report", "Cable ID: ") + QString::fromStdString(*footer.cableId);
    const QString printed = ReportText("Report", "Printed ") + footer.printedAt;
    dc.DrawTextIn(line, page, Format::Left | Format::VCenter | Format::SingleLine);
    dc.DrawTextIn(line, printed, Format::Right | Format::VCenter | Format::SingleLine);
    // The middle takes what the two ends leave, and is narrowed to it.
    const int side = std::max(dc.TextWidth(page), dc.TextWidth(printed)) + dc.TextWidth(QStringLiteral("  "));
    if (!middle.isEmpty())
        DrawCentred(dc, line.adjusted(side, 0, -side, 0), middle);
}
