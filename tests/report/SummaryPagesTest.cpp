#include "report/CReportPrinting.h"
#include "tests/report/ReportStores.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <algorithm>

// The summary pages that lead a loss-test report: how a long list of fibres
// goes on over further pages. What they say is pinned by the golden listings
// of the samples and read back from kav-convert's PDF.

// 150 failed fibres against fixed limits of 1 dB. The first summary page:
// the title down to 120, the result's box (2 x 12 + 40 + 2 lines of 20 + a
// gap of 16), the limit's section (44 + 3 lines of 20), the verdicts' (44 +
// 2 lines), one cable's table (44 + heading + 1 row of 24), three
// wavelengths' (44 + heading + 3 rows) and the failed fibres' heading (44 +
// heading): 728, so (1056 - 728) / 24 = 13 rows fit above the bottom of the
// three-wavelength table pages. The list goes on with 38 rows a page ((1056
// - 120 - 24) / 24, under the title and the repeated heading row), every
// fibre once and in order; a section's heading is never left alone at a
// page's foot. The cables' pages follow.
TEST(SummaryPagesTest, ALongListGoesOnOverFurtherPagesUnderItsHeading)
{
    CDataStore store;
    constexpr int Fibres = 150;
    KavTriples values{};
    for (int i = 0; i < 3; ++i)
        values.LossAB[i] = values.LossBA[i] = 2.0f;
    for (int k = 0; k < Fibres; ++k)
        AddLossTest(store, 3, "C0", "F" + std::to_string(k), values);
    ReportOptions options;
    options.limits.method = LimitMethod::Fixed;
    options.limits.fixed = {{1310, Figure("1.0")}, {1490, Figure("1.0")}, {1550, Figure("1.0")}};
    options.footer = false; // the footer below Bottom is another test's
    CReportPrinting job(store, ReportKind::Kav3, options);
    const unsigned tablePages = CReportPrinting(store, ReportKind::Kav3, WithoutSummary()).PageCount();
    const unsigned pages = job.PageCount();
    ASSERT_EQ(pages, tablePages + 5); // 13 + 3 x 38 + 23
    EXPECT_EQ(job.SummaryPageCount(), 5u);

    constexpr int Bottom = 1056; // the three-wavelength table pages' bottom
    static const QRegularExpression fibre(QStringLiteral("^F\\d+$"));
    std::vector<QString> listed;
    for (unsigned page = 1; page <= 5; ++page) {
        const RecordingDrawContext dc = Painted(job, page, pages);
        const std::vector<QString> texts = TextsOf(dc);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.front(), "Certification Summary") << page;
        int rows = 0;
        for (const RecordingDrawContext::Text& text : dc.Texts()) {
            EXPECT_LE(text.rect.isNull() ? text.at.y() + 20 : text.rect.bottom() + 1, Bottom) << page;
            if (fibre.match(text.text).hasMatch()) {
                listed.push_back(text.text);
                ++rows;
            }
        }
        for (const RecordingDrawContext::Line& line : dc.Lines())
            EXPECT_LE(std::max(line.line.y1(), line.line.y2()), Bottom) << page;
        const bool continued = page > 1 && page < 5;
        EXPECT_EQ(rows, page == 1 ? 13 : continued ? 38 : 23) << page;
        EXPECT_TRUE(!continued || texts[1] == "Cable") << page; // the heading row comes back
        EXPECT_NE(texts.back(), "Fibres with a warning") << page;
    }
    ASSERT_EQ(listed.size(), size_t(Fibres));
    for (int k = 0; k < Fibres; ++k)
        EXPECT_EQ(listed[static_cast<size_t>(k)], QString("F%1").arg(k));
}

// Sixteen wide letters are more than a name's column holds, and with them
// the worst margin's line more than the page's width: the name wraps in a
// row grown to its two lines, the line onto a second one.
TEST(SummaryPagesTest, LongNamesWrapAndTheirRowGrows)
{
    CDataStore store;
    KavTriples values{};
    values.LossAB[0] = 2.0f; // against the record's threshold of 0: failed
    const std::string wide(16, 'W');
    AddLossTest(store, 3, wide, wide, values);
    ReportOptions options;
    options.footer = false;
    CReportPrinting job(store, ReportKind::Kav3, options);
    const RecordingDrawContext dc = Painted(job, 1, job.PageCount());
    int wrappedRows = 0;
    for (const RecordingDrawContext::Text& text : dc.Texts())
        if (text.text == QString::fromStdString(wide) && text.format) {
            EXPECT_TRUE(Includes(*text.format, DrawContext::TextFormat::WordBreak));
            EXPECT_EQ(text.rect.height(), 2 * 14); // two lines inside its padding
            ++wrappedRows;
        }
    EXPECT_EQ(wrappedRows, 3); // the cable's counts, and cable and fiber among the failed
    const std::vector<QString> texts = TextsOf(dc);
    const auto line = std::find_if(texts.begin(), texts.end(), [](const QString& text) {
        return text.startsWith("Worst margin: -2.00 dB");
    });
    ASSERT_NE(line, texts.end());
    EXPECT_FALSE(line->contains("1310 nm A->B")) << line->toStdString(); // on the next line
    EXPECT_TRUE((line + 1)->contains("1310 nm A->B")) << (line + 1)->toStdString();
}
