#include "report/ReportCoordinates.h"

#include "platform/draw/DrawContext.h"
#include "report/CReport.h"

#include <QRect>

QSize ReportViewportExtent(const QSize& dotsPerInch)
{
    return QSize(ReportWindowWidth * dotsPerInch.width() / ReportUnitsPerInchAcross,
                 ReportWindowHeight * dotsPerInch.height() / ReportUnitsPerInchDown);
}

void CReport::PrepareReportDC(DrawContext& dc, const PrintInfo& info)
{
    const QSize extent = ReportViewportExtent(dc.DotsPerInch());
    const QSize scaled = info.m_Scale < 1.0 ? QSize(static_cast<int>(extent.width() * info.m_Scale),
                                                    static_cast<int>(extent.height() * info.m_Scale))
                                            : extent;
    dc.SetMapping(QRect(0, 0, ReportWindowWidth, ReportWindowHeight), QRect(QPoint(0, 0), scaled));
}
