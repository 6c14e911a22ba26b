#include "report/CReport.h"
#include "report/CReportPrinting.h"
#include "tests/report/ReportStores.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <algorithm>

// How many pages each report has and which records each page holds.

namespace {
// The value the page's header shows after "Cable ID:"; empty without a header.
QString CableIdShown(CReportPrinting& job, unsigned page, unsigned pages)
{
    const std::vector<QString> texts = TextsOf(Painted(job, page, pages));
    const auto label = std::find(texts.begin(), texts.end(), QStringLiteral("Cable ID:"));
    return label != texts.end() && label + 1 != texts.end() ? label[1] : QString();
}

std::vector<QString> FibersOnPage(CReportPrinting& job, unsigned page, unsigned pages)
{
    static const QRegularExpression fiber(QStringLiteral("^(C\\d+/)?F\\d+$"));
    std::vector<QString> fibers;
    for (const QString& text : TextsOf(Painted(job, page, pages)))
        if (fiber.match(text).hasMatch())
            fibers.push_back(text);
    return fibers;
}
} // namespace

TEST(ReportPagesTest, ListReportsHold24RowsAPageAndAlwaysOnePage)
{
    for (const auto& [records, pages] :
         std::vector<std::pair<int, unsigned>>{{0, 1}, {24, 1}, {25, 2}, {48, 2}, {49, 3}}) {
        CDataStore store;
        AddOpmReadings(store, records);
        store.ReplaceOrlRecords(
            std::vector<OrlRecord>(static_cast<size_t>(records),
                                   NewOrlRecord("CAB", "F", "1550nm", "45.00dB", "2026-03-10", "08:00:00")));
        EXPECT_EQ(CReportPrinting(store, ReportKind::Opm).PageCount(), pages) << records;
        EXPECT_EQ(CReportPrinting(store, ReportKind::Orl).PageCount(), pages) << records;
    }
    // 25 readings: 24 on the first page, the 25th alone on the second.
    CDataStore store;
    AddOpmReadings(store, 25);
    CReportPrinting job(store, ReportKind::Opm);
    const std::vector<QString> first = FibersOnPage(job, 1, 2);
    ASSERT_EQ(first.size(), 24u);
    EXPECT_EQ(first.front(), "F1");
    EXPECT_EQ(first.back(), "F24");
    EXPECT_EQ(FibersOnPage(job, 2, 2), std::vector<QString>{"F25"});
}

// Two wavelengths: 3 records on a cable's first page, 13 on each other;
// three wavelengths: 2 and 10. Every cable starts a page of its own, whose
// header names it as the Cable ID; painting leaves the information field as
// the user typed it.
TEST(ReportPagesTest, EveryCableFillsItsFirstPageThenContinuationPages)
{
    struct Case
    {
        int waveCount;
        std::vector<int> groups;  // records per cable
        std::vector<int> perPage; // records per page, cable after cable
    };
    const Case cases[] = {
        {2, {3}, {3}},                                   // a full first page
        {2, {4}, {3, 1}},                                // one more
        {2, {16}, {3, 13}},                              // a full continuation page
        {2, {17}, {3, 13, 1}},                           // one more
        {3, {1, 1}, {1, 1}},                             // a cable short of a page
        {3, {2, 3, 12, 13}, {2, 2, 1, 2, 10, 2, 10, 1}}, // the boundaries at three wavelengths
    };
    for (const Case& c : cases) {
        CDataStore store;
        AddGroups(store, c.waveCount, c.groups);
        InfoFields typed;
        typed.CableId = "typed";
        store.SetInfoFields(typed);
        CReportPrinting job(store, c.waveCount == 3 ? ReportKind::Kav3 : ReportKind::Kav2, WithoutSummary());
        const unsigned pages = static_cast<unsigned>(c.perPage.size());
        ASSERT_EQ(job.PageCount(), pages) << c.groups.size() << " cables";
        size_t group = 0;
        int next = 0; // the cable's next record
        for (unsigned page = 1; page <= pages; ++page) {
            if (next == c.groups[group]) {
                ++group;
                next = 0;
            }
            const QString cable = QString("C%1").arg(group);
            const bool startsCable = next == 0;
            std::vector<QString> expected;
            for (const int end = next + c.perPage[page - 1]; next < end; ++next)
                expected.push_back(QString("%1/F%2").arg(cable).arg(next));
            EXPECT_EQ(FibersOnPage(job, page, pages), expected) << "page " << page;
            EXPECT_EQ(CableIdShown(job, page, pages), startsCable ? cable : QString()) << "page " << page;
            EXPECT_EQ(job.CableIdOfPage(page), cable.toStdString()) << "page " << page;
        }
        EXPECT_EQ(store.GetInfoFields().CableId, "typed");
    }
}

TEST(ReportPagesTest, NothingDrawnWithoutRecordsOrPastTheJob)
{
    CDataStore store;
    // No loss-test report before a loss-test file.
    EXPECT_EQ(ReportKindOf(RecordKind::Kav, store.KavWaveCount()), ReportKind::None);
    EXPECT_EQ(CReportPrinting(store, ReportKind::None).PageCount(), 0u);
    EXPECT_EQ(CReportPrinting(store, ReportKind::Kav3).PageCount(), 0u);
    // A list without readings has its one page, with no title row: only the
    // footer, where there is one.
    ReportOptions options;
    for (const bool footer : {false, true}) {
        options.footer = footer;
        CReportPrinting noReadings(store, ReportKind::Orl, options);
        const RecordingDrawContext page = Painted(noReadings, 1, 1);
        EXPECT_TRUE(page.Lines().empty()) << footer;
        EXPECT_EQ(page.Texts().empty(), !footer);
        EXPECT_EQ(page.FirstText(QStringLiteral("Page 1 of 1")) != nullptr, footer);
    }

    AddGroups(store, 2, {6});
    CReportPrinting job(store, ReportKind::Kav2);
    for (const unsigned page : {0u, 3u}) {
        const RecordingDrawContext dc = Painted(job, page, 2);
        EXPECT_TRUE(dc.Texts().empty() && dc.Lines().empty()) << page;
    }
}
