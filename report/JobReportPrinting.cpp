#include "report/JobReportPrinting.h"

#include "platform/draw/DrawContext.h"
#include "report/CReportPrinting.h"
#include "report/PrintInfo.h"

#include <algorithm>

JobReportPrinting::JobReportPrinting(const JobState& state, const JobResults& results,
                                     const JobReportFacts& facts, const ReportOptions& options)
    : m_Options(options), m_Language(std::make_shared<ReportLanguage>(options.language)),
      m_PrintedAt(ReportPrintingTime())
{
    const ReportBrand brand = ReportBrandOf(options);
    for (const ResultRun& run : results.runs) {
        m_Runs.push_back(std::make_unique<CReport>(run.store, brand));
        m_RunWaves.push_back(run.store.KavWaveCount());
    }
    const ReportLanguage::Use language(*m_Language);
    m_Pages =
        std::make_unique<JobPages>(state, results, facts, CReport::KavLayoutEnd(FullestWaveCount()).y());
}

int JobReportPrinting::FullestWaveCount() const
{
    return std::all_of(
               m_RunWaves.begin(), m_RunWaves.end(), [](int waves) { return waves == 2; }) &&
                   !m_RunWaves.empty()
               ? 2
               : 3;
}

QString JobReportPrinting::Title() const
{
    const ReportLanguage::Use language(*m_Language);
    return ReportText("Report", "Job Report");
}

namespace {
unsigned RunPages(CReport& run, int waves)
{
    return waves == 3 ? run.GetKav3PrintPages() : run.GetKav2PrintPages();
}
} // namespace

unsigned JobReportPrinting::PageCount()
{
    unsigned pages = m_Pages->Front().PageCount() + m_Pages->Appendix().PageCount();
    for (size_t i = 0; i < m_Runs.size(); ++i)
        pages += RunPages(*m_Runs[i], m_RunWaves[i]);
    return pages;
}

void JobReportPrinting::OnBeginPrinting(DrawContext& dc, PrintInfo& info)
{
    info.m_MaxPage = PageCount();
    info.m_Scale = ReportFitScale(FullestWaveCount() == 3 ? ReportKind::Kav3 : ReportKind::Kav2,
                                  dc.DeviceSize(), dc.DotsPerInch(), m_Options.footer);
}

void JobReportPrinting::OnPrepareDC(DrawContext& dc, const PrintInfo& info)
{
    CReport::PrepareReportDC(dc, info);
}

void JobReportPrinting::OnPrint(DrawContext& dc, const PrintInfo& info)
{
    if (info.m_CurrentPage < 1 || info.m_CurrentPage > info.m_MaxPage)
        return;
    const ReportLanguage::Use language(*m_Language);
    const int fullest = FullestWaveCount();
    unsigned page = info.m_CurrentPage;
    std::optional<std::string> cable;
    if (page <= m_Pages->Front().PageCount()) {
        m_Pages->Front().PrintPage(dc, page, ReportText("Report", "Job Report"));
    } else {
        page -= m_Pages->Front().PageCount();
        size_t run = 0;
        for (; run < m_Runs.size() && page > RunPages(*m_Runs[run], m_RunWaves[run]); ++run)
            page -= RunPages(*m_Runs[run], m_RunWaves[run]);
        if (run < m_Runs.size()) {
            const int waves = m_RunWaves[run];
            const PrintInfo inRun{page, RunPages(*m_Runs[run], waves), info.m_Scale};
            if (waves == 3)
                m_Runs[run]->PrintKav3Page(dc, inRun);
            else
                m_Runs[run]->PrintKav2Page(dc, inRun);
            cable = m_Runs[run]->KavCableOfPage(page, waves);
        } else {
            m_Pages->Appendix().PrintPage(dc, page, ReportText("Report", "Job Report: Appendix"));
        }
    }
    if (!m_Options.footer)
        return;
    const QPoint end = CReport::KavLayoutEnd(fullest);
    CReport::PrintPageFooter(dc, info,
                             {CReport::KavTableLeft, end.y() + 1, end.x(),
                              QString::fromStdString(m_Options.sourceFile), FooterTimeText(m_PrintedAt),
                              cable});
}
