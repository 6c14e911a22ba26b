#include "report/CReportPrinting.h"

#include "data/PrintableName.h"
#include "platform/SourceDate.h"
#include "platform/draw/DrawContext.h"
#include "report/PrintInfo.h"
#include "report/ReportCoordinates.h"

#include <algorithm>
#include <cmath>

namespace {
// Below the fullest page's last rule and the unit its pen draws on.
int FooterTop(const ReportKindRow& row)
{
    return row.layoutEnd().y() + 1;
}
} // namespace

double ReportFitScale(ReportKind kind, const QSize& deviceSize, const QSize& dotsPerInch, bool footer)
{
    const ReportKindRow* row = ReportRowOf(kind);
    if (!row)
        return 1.0;
    // One unit more than the layout's last rule, which the pen draws on; or
    // the footer's bottom.
    QPoint end = row->layoutEnd() + QPoint(1, 1);
    if (footer)
        end.setY(FooterTop(*row) + CReport::FooterHeight);
    return ReportFitScaleTo(end, deviceSize, dotsPerInch);
}

double ReportFitScaleTo(const QPoint& end, const QSize& deviceSize, const QSize& dotsPerInch)
{
    const double needX = std::ceil(double(end.x()) * dotsPerInch.width() / ReportUnitsPerInchAcross);
    const double needY = std::ceil(double(end.y()) * dotsPerInch.height() / ReportUnitsPerInchDown);
    if (needX <= 0 || needY <= 0)
        return 1.0;
    return std::min({1.0, deviceSize.width() / needX, deviceSize.height() / needY});
}

QDateTime ReportPrintingTime()
{
    if (const std::optional<int64_t> seconds = SourceDateEpoch())
        return QDateTime::fromSecsSinceEpoch(*seconds, Qt::UTC);
    return QDateTime::currentDateTime();
}

QString FooterTimeText(const QDateTime& time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm")) +
           (time.timeSpec() == Qt::UTC ? QStringLiteral(" UTC") : QString());
}

ReportBrand ReportBrandOf(const ReportOptions& options)
{
    ReportBrand brand;
    brand.company = QString::fromStdString(PrintableName(options.company));
    brand.logo = options.logo;
    return brand;
}

CReportPrinting::CReportPrinting(const CDataStore& store, ReportKind kind, const ReportOptions& options)
    : m_Store(store), m_Report(store, ReportBrandOf(options), {options.limits, options.instrumentDates}),
      m_Kind(kind), m_Options(options), m_Language(std::make_shared<ReportLanguage>(options.language)),
      m_PrintedAt(ReportPrintingTime()), m_Row(ReportRowOf(kind))
{
}

QString CReportPrinting::Title() const
{
    const ReportLanguage::Use language(*m_Language);
    return ReportText("Report", ReportTitle(m_Kind));
}

const SummaryPages* CReportPrinting::Summary(unsigned tablePages)
{
    // The summary's lines are laid out in the report's language.
    const ReportLanguage::Use language(*m_Language);
    if (!m_Summary && m_Row->waveCount > 0 && m_Options.summaryPage && tablePages > 0)
        m_Summary.emplace(m_Store, m_Options, CReport::KavLayoutEnd(m_Row->waveCount).y());
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

unsigned CReportPrinting::SummaryPageCount()
{
    const SummaryPages* summary = m_Row ? Summary(m_Row->pageCount(m_Report)) : nullptr;
    return summary ? summary->PageCount() : 0;
}

void CReportPrinting::OnBeginPrinting(DrawContext& dc, PrintInfo& info)
{
    info.m_MaxPage = PageCount();
    info.m_Scale = ReportFitScale(m_Kind, dc.DeviceSize(), dc.DotsPerInch(), m_Options.footer);
}

void CReportPrinting::OnPrepareDC(DrawContext& dc, const PrintInfo& info)
{
    CReport::PrepareReportDC(dc, info);
}

void CReportPrinting::OnPrint(DrawContext& dc, const PrintInfo& info)
{
    if (!m_Row || info.m_CurrentPage < 1 || info.m_CurrentPage > info.m_MaxPage)
        return;
    const ReportLanguage::Use language(*m_Language);
    // The result leads: the summary pages come first, the cables after.
    const unsigned summaryPages = SummaryPageCount();
    const bool tablePage = info.m_CurrentPage > summaryPages;
    if (tablePage) {
        PrintInfo table = info;
        table.m_CurrentPage -= summaryPages;
        table.m_MaxPage -= summaryPages;
        m_Row->printPage(m_Report, dc, table);
    } else {
        m_Summary->PrintPage(dc, info.m_CurrentPage);
    }
    if (!m_Options.footer)
        return;
    // A summary page sums up every cable, so it names none.
    CReport::PageFooter footer{
        m_Row->layoutLeft,           FooterTop(*m_Row),
        m_Row->layoutEnd().x(),      QString::fromStdString(PrintableName(m_Options.sourceFile)),
        FooterTimeText(m_PrintedAt), tablePage ? CableIdOfPage(info.m_CurrentPage) : std::nullopt};
    // A loss-test page that no cable owns is left blank.
    if (tablePage && m_Row->waveCount != 0 && !footer.cableId)
        return;
    CReport::PrintPageFooter(dc, info, footer);
}

std::optional<std::string> CReportPrinting::CableIdOfPage(unsigned page)
{
    if (!m_Row || m_Row->waveCount == 0)
        return std::nullopt;
    const unsigned summaryPages = SummaryPageCount();
    if (page <= summaryPages)
        return std::nullopt;
    return m_Report.KavCableOfPage(page - summaryPages, m_Row->waveCount);
}
