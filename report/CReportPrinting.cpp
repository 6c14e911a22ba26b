#include "report/CReportPrinting.h"

#include "platform/draw/DrawContext.h"
#include "report/PrintInfo.h"
#include "report/ReportCoordinates.h"

#include <algorithm>
#include <cmath>

namespace {
QPoint LayoutEnd(ReportKind kind)
{
    switch (kind) {
    case ReportKind::Opm:
        return CReport::OpmLayoutEnd();
    case ReportKind::Orl:
        return CReport::OrlLayoutEnd();
    case ReportKind::Kav2:
        return CReport::KavLayoutEnd(2);
    case ReportKind::Kav3:
        return CReport::KavLayoutEnd(3);
    case ReportKind::None:
        break;
    }
    return QPoint();
}
} // namespace

double ReportFitScale(ReportKind kind, const QSize& deviceSize, const QSize& dotsPerInch)
{
    // One unit more than the layout's last rule, which the pen draws on.
    const QPoint end = LayoutEnd(kind) + QPoint(1, 1);
    const double needX = std::ceil(double(end.x()) * dotsPerInch.width() / ReportUnitsPerInchAcross);
    const double needY = std::ceil(double(end.y()) * dotsPerInch.height() / ReportUnitsPerInchDown);
    if (needX <= 0 || needY <= 0)
        return 1.0;
    return std::min({1.0, deviceSize.width() / needX, deviceSize.height() / needY});
}

CReportPrinting::CReportPrinting(CDataStore& store, ReportKind kind) : m_Report(store), m_Kind(kind) {}

unsigned CReportPrinting::PageCount()
{
    switch (m_Kind) {
    case ReportKind::Opm:
        return m_Report.GetOpmPrintPages();
    case ReportKind::Kav2:
        return m_Report.GetKav2PrintPages();
    case ReportKind::Kav3:
        return m_Report.GetKav3PrintPages();
    case ReportKind::Orl:
        return m_Report.GetOrlPrintPages();
    case ReportKind::None:
        break;
    }
    return 0;
}

void CReportPrinting::OnBeginPrinting(DrawContext& dc, PrintInfo& info)
{
    info.m_MaxPage = PageCount();
    info.m_Scale = ReportFitScale(m_Kind, dc.DeviceSize(), dc.DotsPerInch());
}

void CReportPrinting::OnPrepareDC(DrawContext& dc, const PrintInfo& info)
{
    CReport::PrepareReportDC(dc, info);
}

void CReportPrinting::OnPrint(DrawContext& dc, const PrintInfo& info)
{
    switch (m_Kind) {
    case ReportKind::Opm:
        m_Report.PrintOpmPage(dc, info);
        break;
    case ReportKind::Kav2:
        m_Report.PrintKav2Page(dc, info);
        break;
    case ReportKind::Kav3:
        m_Report.PrintKav3Page(dc, info);
        break;
    case ReportKind::Orl:
        m_Report.PrintOrlPage(dc, info);
        break;
    case ReportKind::None:
        break;
    }
}
