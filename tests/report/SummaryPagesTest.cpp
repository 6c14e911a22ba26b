#include "report/CReportPrinting.h"
#include "report/ReportPdf.h"
#include "tests/report/ReportStores.h"
#include "tests/support/PdfReading.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <algorithm>

// The summary pages that end a loss-test report: what they say, read back
// from the PDF, and how a long list of fibres goes on over further pages.

namespace {
// Two-wavelength records (1310 and 1550 nm), 2.0 km long, every loss 1.00
// dB but those given: {wave slot (0 or 2), direction (0 A->B, 1 B->A), loss}.
struct Loss
{
    int slot;
    int direction;
    float loss;
};
void AddFibre(CDataStore& store, const std::string& cable, const std::string& fiber,
              std::initializer_list<Loss> losses, float every = 1.0f)
{
    CDataStore::KavTriples values{};
    for (int i = 0; i < 3; ++i) {
        values.LossAB[i] = values.LossBA[i] = every;
        values.Length[i] = 2.0f;
        values.Threshold[i] = 5.0f;
    }
    for (const Loss& l : losses)
        (l.direction == 0 ? values.LossAB : values.LossBA)[l.slot] = l.loss;
    AddLossTest(store, 2, cable, fiber, values);
}

// The words of a PDF text line, as pdftotext lays a table's row out.
std::string Row(std::initializer_list<const char*> cells)
{
    std::string pattern;
    for (const char* cell : cells)
        pattern += (pattern.empty() ? "" : "\\s+") + std::string(cell);
    return pattern;
}

bool HasRow(const std::string& text, std::initializer_list<const char*> cells)
{
    return std::regex_search(text, std::regex(Row(cells)));
}

// Whether `text` holds `line`, however pdftotext spaced its words.
bool HasLine(const std::string& text, const std::string& line)
{
    static const std::regex special(R"([.^$|()\[\]{}*+?\\])");
    const std::string escaped = std::regex_replace(line, special, "\\$&");
    return std::regex_search(text, std::regex(std::regex_replace(escaped, std::regex(" +"), "\\s+")));
}
} // namespace

// A loss budget on tia-568.3-d-osp with 2 connections and 2 splices: over
// 2.0 km, 2 x 0.5 + 2 x 0.75 + 2 x 0.3 = 3.10 dB; cable C1 has 3
// connections: 1.0 + 2.25 + 0.6 = 3.85 dB. A warning band of 0.2 dB.
TEST(SummaryPagesTest, TheLastPageSaysTheLimitTheCountsAndTheFailedFibres)
{
    CDataStore store;
    AddFibre(store, "C0", "C0/F0", {}, 3.10f);       // margin 0.00 everywhere: Warning
    AddFibre(store, "C0", "C0/F1", {{0, 0, 3.11f}}); // -0.01 at 1310 A->B: Fail
    AddFibre(store, "C0", "C0/F2", {});              // 2.10: Pass
    AddFibre(store, "C1", "C1/F0", {{2, 1, 3.90f}}); // -0.05 at 1550 B->A: Fail
    AddFibre(store, "C1", "C1/F1", {}, -1.0f);       // no loss shown: No verdict
    ReportOptions options;
    options.limits.method = LimitMethod::Budget;
    options.limits.preset = "tia-568.3-d-osp";
    options.limits.connections = 2;
    options.limits.splices = 2;
    options.limits.warningBand = 0.2;
    options.limits.cables["C1"].connections = 3;

    CReportPrinting job(store, ReportKind::Kav2, options);
    ASSERT_EQ(job.PageCount(), 3u); // a page per cable, then the summary
    const ReportPdfResult pdf = ReportPdf(job, QPageSize(QPageSize::A4));
    ASSERT_EQ(pdf.result, PageLoopResult::Done);
    ScratchFolder dir;
    const std::string path = dir.File("summary.pdf");
    WriteBytes(path, pdf.bytes.toStdString());
    ASSERT_EQ(PdfPages(path), 3);
    const std::string summary = PdfText(path, 3);
    EXPECT_EQ(PdfText(path, 2).find("Certification Summary"), std::string::npos);

    for (const char* line :
         {"Certification Summary", "Limit: tia-568.3-d-osp",
          // NOLINTNEXTLINE(bugprone-suspicious-missing-comma): one line, split
          "Method: budget (attenuation x length + connections x connector loss + splices x "
          "splice loss)",
          "Attenuation: 1310 nm 0.5 dB/km, 1550 nm 0.5 dB/km",
          "Connector loss: 0.75 dB   Splice loss: 0.3 dB", "Connections: 2   Splices: 2",
          "Warning band: 0.2 dB", "Cable C1: 3 connections",
          "Fibres: 5   Pass: 1   Warning: 1   Fail: 2   No verdict: 1",
          "Worst margin: -0.05 dB   Cable: C1   Fiber: C1/F0   1550 nm B->A"})
        EXPECT_TRUE(HasLine(summary, line)) << line << "\n" << summary;
    // By cable and by wavelength: fibres, pass, warning, fail, no verdict, worst margin.
    EXPECT_TRUE(HasRow(summary, {"C0", "3", "1", "1", "1", "0", "-0.01"})) << summary;
    EXPECT_TRUE(HasRow(summary, {"C1", "2", "0", "0", "1", "1", "-0.05"})) << summary;
    EXPECT_TRUE(HasRow(summary, {"1310", "5", "2", "1", "1", "1", "-0.01"})) << summary;
    EXPECT_TRUE(HasRow(summary, {"1550", "5", "2", "1", "1", "1", "-0.05"})) << summary;
    // The failed fibres, then the warning one, each with its worst margin.
    const size_t failed = summary.find("Failed fibres"), warned = summary.find("Fibres with a warning");
    ASSERT_LT(failed, warned);
    const std::string failedList = summary.substr(failed, warned - failed);
    EXPECT_TRUE(HasRow(failedList, {"C0", "C0/F1", "-0.01", "1310", "A->B"})) << failedList;
    EXPECT_TRUE(HasRow(failedList, {"C1", "C1/F0", "-0.05", "1550", "B->A"})) << failedList;
    EXPECT_FALSE(HasRow(failedList, {"C0/F0"}));
    EXPECT_TRUE(HasRow(summary.substr(warned), {"C0", "C0/F0", "0.00", "1310", "A->B"}));

    // Without the summary, the report's own pages only.
    CReportPrinting plain(store, ReportKind::Kav2, WithoutSummary());
    EXPECT_EQ(plain.PageCount(), 2u);
}

// 150 failed fibres against fixed limits of 1 dB. The first summary page:
// the title down to 120, the limit's section (44 + 4 lines of 20), the
// verdicts' (44 + 2 lines), one cable's table (44 + heading + 1 row of 24),
// three wavelengths' (44 + heading + 3 rows) and the failed fibres' heading
// (44 + heading): 628, so (1108 - 628) / 24 = 20 rows fill it exactly to
// the bottom of the three-wavelength table pages. The list goes on with 40
// rows a page ((1108 - 120 - 24) / 24, under the title and the repeated
// heading row), every fibre once and in order; a section's heading is never
// left alone at a page's foot.
TEST(SummaryPagesTest, ALongListGoesOnOverFurtherPagesUnderItsHeading)
{
    CDataStore store;
    constexpr int Fibres = 150;
    CDataStore::KavTriples values{};
    for (int i = 0; i < 3; ++i)
        values.LossAB[i] = values.LossBA[i] = 2.0f;
    for (int k = 0; k < Fibres; ++k)
        AddLossTest(store, 3, "C0", "F" + std::to_string(k), values);
    ReportOptions options;
    options.limits.method = LimitMethod::Fixed;
    options.limits.fixed = {{1310, 1.0}, {1490, 1.0}, {1550, 1.0}};
    options.footer = false; // the footer below Bottom is another test's
    CReportPrinting job(store, ReportKind::Kav3, options);
    const unsigned tablePages = CReportPrinting(store, ReportKind::Kav3, WithoutSummary()).PageCount();
    const unsigned pages = job.PageCount();
    ASSERT_EQ(pages, tablePages + 5); // 20 + 3 x 40 + 10

    constexpr int Bottom = 1108; // the three-wavelength table pages' bottom
    static const QRegularExpression fibre(QStringLiteral("^F\\d+$"));
    std::vector<QString> listed;
    for (unsigned page = tablePages + 1; page <= pages; ++page) {
        RecordingDrawContext dc;
        PrintInfo info;
        info.m_CurrentPage = page;
        info.m_MaxPage = pages;
        job.OnPrint(dc, info);
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
        const bool continued = page > tablePages + 1 && page < pages;
        EXPECT_EQ(rows, page == tablePages + 1 ? 20 : continued ? 40 : rows) << page;
        EXPECT_TRUE(!continued || texts[1] == "Cable") << page; // the heading row comes back
        EXPECT_NE(texts.back(), "Fibres with a warning") << page;
    }
    ASSERT_EQ(listed.size(), size_t(Fibres));
    for (int k = 0; k < Fibres; ++k)
        EXPECT_EQ(listed[static_cast<size_t>(k)], QString("F%1").arg(k));
}
