#include "report/CReportPrinting.h"

#include "platform/draw/DrawContext.h"
#include "report/PrintInfo.h"
#include "report/ReportCoordinates.h"

#include <algorithm>
#include <cmath>

double ReportFitScale(ReportKind kind, const QSize& deviceSize, const QSize& dotsPerInch)
{
    const ReportKindRow* row = ReportRowOf(kind);
    if (!row)
        return 1.0;
    // One unit more than the layout's last rule, which the pen draws on.
    const QPoint end = row->layoutEnd() + QPoint(1, 1);
    const double needX = std::ceil(double(end.x()) * dotsPerInch.width() / ReportUnitsPerInchAcross);
    const double needY = std::ceil(double(end.y()) * dotsPerInch.height() / ReportUnitsPerInchDown);
    if (needX <= 0 || needY <= 0)
        return 1.0;
    return std::min({1.0, deviceSize.width() / needX, deviceSize.height() / needY});
}

CReportPrinting::CReportPrinting(const CDataStore& store, ReportKind kind, const ReportOptions& options)
    : m_Store(store), m_Report(store), m_Kind(kind), m_Options(options), m_Row(ReportRowOf(kind))
{
}

const SummaryPages* CReportPrinting::Summary(unsigned tablePages)
{
    if (!m_Summary && m_Row->waveCount > 0 && m_Options.summaryPage && tablePages > 0)
        m_Summary.emplace(m_Store, m_Options.limits, CReport::KavLayoutEnd(m_Row->waveCount).y());
    return m_Summary ? &*m_Summary : nullptr;
}

unsigned CReportPrinting::PageCount()
{
    if (!m_Row)
        return 0;
    const unsigned tablePages = m_Row->pageCount(m_Report);
    const SummaryPages* summary = Summary(tablePages);
    return tablePages + (summary ? summary->PageCount() : 0);
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
    if (!m_Row)
        return;
    const unsigned tablePages = m_Row->pageCount(m_Report);
    if (info.m_CurrentPage <= tablePages)
        m_Row->printPage(m_Report, dc, info);
    else if (const SummaryPages* summary = Summary(tablePages);
             summary && info.m_CurrentPage <= info.m_MaxPage)
        summary->PrintPage(dc, info.m_CurrentPage - tablePages);
}

std::optional<std::string> CReportPrinting::CableIdOfPage(unsigned page)
{
    if (!m_Row || m_Row->waveCount == 0)
        return std::nullopt;
    const unsigned tablePages = m_Row->pageCount(m_Report);
    return m_Report.KavCableOfPage(page > tablePages && page <= PageCount() ? tablePages : page,
                                   m_Row->waveCount);
}
