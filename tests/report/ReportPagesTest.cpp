#include "CReport.h"
#include "CReportPrinting.h"
#include "ReportStores.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

// How many pages each report has and which records each page holds.

namespace {
// The fibers page `page` of a `pages`-page report shows.
std::vector<QString> FibersOnPage(CDataStore& store, ReportKind kind, unsigned page, unsigned pages)
{
    CReportPrinting job(store, kind);
    RecordingDrawContext dc;
    PrintInfo info;
    info.m_CurrentPage = page;
    info.m_MaxPage = pages;
    job.OnPrint(dc, info);
    static const QRegularExpression fiber(QStringLiteral("^(C\\d+/)?F\\d+$"));
    std::vector<QString> fibers;
    for (const QString& text : TextsOf(dc))
        if (fiber.match(text).hasMatch())
            fibers.push_back(text);
    return fibers;
}

std::vector<QString> Fibers(const QString& cable, int from, int to)
{
    std::vector<QString> fibers;
    for (int i = from; i < to; ++i)
        fibers.push_back(QString("%1/F%2").arg(cable).arg(i));
    return fibers;
}
} // namespace

TEST(ReportPagesTest, ListReportsHold24RowsAPageAndAlwaysOnePage)
{
    for (const auto& [records, pages] :
         std::vector<std::pair<int, unsigned>>{{0, 1}, {24, 1}, {25, 2}, {48, 2}, {49, 3}}) {
        CDataStore store;
        AddOpmReadings(store, records);
        for (int i = 0; i < records; ++i)
            store.AddOrlRecord("CAB", "F", "1550nm", "45.00dB", "2026-03-10", "08:00:00");
        CReport report(store);
        EXPECT_EQ(report.GetOpmPrintPages(), pages) << records;
        EXPECT_EQ(report.GetOrlPrintPages(), pages) << records;
    }
    // 25 readings: 24 on the first page, the 25th alone on the second.
    CDataStore store;
    AddOpmReadings(store, 25);
    const std::vector<QString> first = FibersOnPage(store, ReportKind::Opm, 1, 2);
    ASSERT_EQ(first.size(), 24u);
    EXPECT_EQ(first.front(), "F1");
    EXPECT_EQ(first.back(), "F24");
    EXPECT_EQ(FibersOnPage(store, ReportKind::Opm, 2, 2), std::vector<QString>{"F25"});
    // No readings: one page, without a title row.
    CDataStore empty;
    RecordingDrawContext dc;
    PrintInfo info;
    info.m_MaxPage = 1;
    CReportPrinting(empty, ReportKind::Orl).OnPrint(dc, info);
    EXPECT_TRUE(dc.Texts().empty() && dc.Lines().empty());
}

TEST(ReportPagesTest, ACableGroupFillsItsFirstPageThenContinuationPages)
{
    // Two wavelengths: 5 records on a group's first page, 13 on the others.
    struct Case
    {
        int records;
        std::vector<int> perPage;
    };
    for (const Case& c : {Case{5, {5}}, Case{6, {5, 1}}, Case{18, {5, 13}}, Case{19, {5, 13, 1}}}) {
        CDataStore store;
        AddGroups(store, 2, {c.records});
        const unsigned pages = static_cast<unsigned>(c.perPage.size());
        EXPECT_EQ(CReport(store).GetKav2PrintPages(), pages) << c.records;
        int first = 0;
        for (unsigned page = 1; page <= pages; ++page) {
            const int count = c.perPage[page - 1];
            EXPECT_EQ(FibersOnPage(store, ReportKind::Kav2, page, pages), Fibers("C0", first, first + count))
                << c.records << " records, page " << page;
            first += count;
        }
    }
}

TEST(ReportPagesTest, EveryGroupStartsOnAPageOfItsOwnWithItsCableId)
{
    CDataStore store;
    AddGroups(store, 3, {3, 3});
    CReportPrinting job(store, ReportKind::Kav3);
    ASSERT_EQ(job.PageCount(), 2u);
    for (unsigned page = 1; page <= 2; ++page) {
        const QString cable = QString("C%1").arg(page - 1);
        RecordingDrawContext dc;
        PrintInfo info;
        info.m_CurrentPage = page;
        info.m_MaxPage = 2;
        job.OnPrint(dc, info);
        EXPECT_NE(dc.FirstText("KAV Report"), nullptr) << page;
        EXPECT_NE(dc.FirstText(cable), nullptr) << "the header's Cable ID on page " << page;
        EXPECT_EQ(QString::fromStdString(store.m_InfoFields.CableId), cable);
        EXPECT_EQ(FibersOnPage(store, ReportKind::Kav3, page, 2), Fibers(cable, 0, 3));
    }
    // Three wavelengths: 4 records on a first page, 10 on the others.
    CDataStore big;
    AddGroups(big, 3, {4, 5, 14, 15});
    EXPECT_EQ(CReport(big).GetKav3PrintPages(), 1u + 2u + 2u + 3u);
}

TEST(ReportPagesTest, NoLossTestReportBeforeALossTestFileAndNothingPastTheLastPage)
{
    CDataStore store;
    EXPECT_EQ(ReportKindOf(RecordKind::Kav, store.KavWaveCount()), ReportKind::None);
    EXPECT_EQ(CReportPrinting(store, ReportKind::None).PageCount(), 0u);
    EXPECT_EQ(CReport(store).GetKav3PrintPages(), 0u);
    EXPECT_EQ(ReportKindOf(RecordKind::Trace, 3), ReportKind::None);

    AddGroups(store, 2, {6});
    for (const unsigned page : {0u, 3u}) {
        RecordingDrawContext dc;
        PrintInfo info;
        info.m_CurrentPage = page;
        info.m_MaxPage = 2;
        CReportPrinting(store, ReportKind::Kav2).OnPrint(dc, info);
        EXPECT_TRUE(dc.Texts().empty() && dc.Lines().empty()) << page;
    }
}
