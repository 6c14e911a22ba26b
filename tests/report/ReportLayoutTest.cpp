#include "report/CReport.h"
#include "report/CReportPrinting.h"
#include "report/RecordDateTime.h"
#include "report/ReportFonts.h"
#include "tests/report/ReportStores.h"

#include <QFontInfo>
#include <QFontMetricsF>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

// What the golden listings of the samples leave out: filled-in header fields,
// continuation pages, the mean length, afternoon times, the fit to small
// paper and the fonts' sizes. Report units, on the recording context.

namespace {
using Text = RecordingDrawContext::Text;

// The text drawn in the rectangle whose top-left corner is (x, y), or "<none>".
Text TextIn(const RecordingDrawContext& dc, int x, int y)
{
    for (const Text& text : dc.Texts())
        if (text.format && text.rect.topLeft() == QPoint(x, y))
            return text;
    return Text{{}, {}, QStringLiteral("<none>"), {}, {}, {}};
}
} // namespace

// The samples leave every field empty: each value must be the one drawn
// after its label (the listings pin where).
TEST(ReportLayoutTest, EveryHeaderFieldIsDrawnAfterItsLabel)
{
    InfoFields f;
    struct Labelled
    {
        const char* label;
        std::vector<std::string*> values;
    };
    const Labelled labelled[] = {
        {"Job ID:", {&f.JobId}},
        {"Date:", {&f.JobDate}},
        {"Reason:", {&f.Reason}},
        {"Contractor:", {&f.Contractor}},
        {"Operator A:", {&f.OperatorA}},
        {"Customer:", {&f.Customer}},
        {"Operator B:", {&f.OperatorB}},
        {"Custom job 1:", {&f.CustomJob1}},
        {"Custom job 2:", {&f.CustomJob2}},
        {"Cable ID:", {&f.CableId}},
        {"Location A:", {&f.LocationA}},
        {"Location B:", {&f.LocationB}},
        {"Cable Mfr.:", {&f.CableMfr}},
        {"Cable Type:", {&f.CableType}},
        {"Custom cable 1:", {&f.CustomCable1}},
        {"Custom cable 2:", {&f.CustomCable2}},
        {"Unit Name:", {&f.UnitNameA, &f.UnitNameB}},
        {"Serial Number:", {&f.SerialNumberA, &f.SerialNumberB}},
    };
    int n = 0;
    for (const Labelled& l : labelled)
        for (std::string* value : l.values)
            *value = "value" + std::to_string(++n);
    CDataStore store;
    store.SetInfoFields(f);
    RecordingDrawContext dc;
    const QFont before(QStringLiteral("Courier"), 33);
    dc.SetFont(before);
    CReport(store).PrintReportHeader(dc, f.CableId);
    EXPECT_EQ(dc.Font(), before);

    const std::vector<QString> texts = TextsOf(dc);
    for (const Labelled& l : labelled) {
        const auto at = std::find(texts.begin(), texts.end(), l.label);
        ASSERT_LT(at + static_cast<long>(l.values.size()), texts.end()) << l.label;
        for (size_t i = 0; i < l.values.size(); ++i)
            EXPECT_EQ(at[static_cast<long>(i) + 1], QString::fromStdString(*l.values[i])) << l.label;
    }
}

TEST(ReportLayoutTest, AContinuationPageHasNoHeaderAndStartsItsTableAt60)
{
    CDataStore store;
    AddGroups(store, 3, {4}); // 2 records on the first page, 2 on the second
    CReportPrinting job(store, ReportKind::Kav3, WithoutSummary());
    const RecordingDrawContext dc = Painted(job, 2, job.PageCount());
    EXPECT_EQ(dc.FirstText("KAV Report"), nullptr);
    EXPECT_EQ(TextIn(dc, 80, 60 + 6).text, "Fiber ID");
    // Blocks of three wavelength rows and a date line (96 units) from 60 + 48;
    // the fiber's text ends where the date line starts.
    for (int i = 0; i < 2; ++i) {
        const int top = 108 + 96 * i;
        const Text fiber = TextIn(dc, 80 + 3, top + 6);
        EXPECT_EQ(fiber.text, QString("C0/F%1").arg(2 + i));
        EXPECT_EQ(fiber.rect.bottom() + 1, top + 72);
        EXPECT_EQ(TextIn(dc, 170 + 5, top + 72).text, "2026-03-10 08:00:00");
    }
    EXPECT_EQ(dc.Font(), QFont()); // put back as it was
}

// The grid shows the last wavelength's length; the report the mean of the
// record's wavelengths.
TEST(ReportLayoutTest, TheLengthColumnShowsTheMeanOfTheRecordsLengths)
{
    const auto shown = [](int waveCount, std::array<float, 3> lengths) {
        KavTriples values{};
        std::copy(lengths.begin(), lengths.end(), values.Length);
        CDataStore store;
        AddLossTest(store, waveCount, "C", "F", values);
        CReportPrinting job(store, waveCount == 3 ? ReportKind::Kav3 : ReportKind::Kav2, WithoutSummary());
        return TextIn(Painted(job, 1, 1), 585, 816 + 48).text; // the Length column, the block's first row
    };
    EXPECT_EQ(shown(3, {1.0f, 2.0f, 4.5f}), "2.500");
    EXPECT_EQ(shown(2, {1.0f, 50.0f, 2.0f}), "1.500"); // the middle slot is no wavelength of theirs
    EXPECT_EQ(shown(3, {1.0f, 2.0f, -4.0f}), "N/A");
    EXPECT_EQ(shown(3, {1.0f, NAN, 2.0f}), "N/A");
}

// Beside the instrument's columns, each wavelength's limit, and each
// direction's margin and result: A->B over B->A, once where they agree.
TEST(ReportLayoutTest, TheLimitColumnsShowEachWavelengthsLimitMarginsAndResults)
{
    CDataStore store;
    KavTriples values{};
    const float lossAB[3] = {1.0f, 0.0f, 2.0f}, lossBA[3] = {1.1f, 0.0f, 2.0f}; // at 1310 and 1550 nm
    std::copy(lossAB, lossAB + 3, values.LossAB);
    std::copy(lossBA, lossBA + 3, values.LossBA);
    AddLossTest(store, 2, "C", "F", values);
    ReportOptions options = WithoutSummary();
    options.limits.method = LimitMethod::Fixed;
    options.limits.fixed = {{1310, Figure("1.05")}};
    CReportPrinting job(store, ReportKind::Kav2, options);
    const RecordingDrawContext dc = Painted(job, 1, 1);
    // Limit, Margin and Result from x = 630, 670 and 720; the block from 864.
    const struct
    {
        int x, y;
        const char* text;
    } cases[] = {
        {630, 864, "1.05"}, {670, 864, "0.05"}, {670, 876, "-0.05"}, {720, 864, "Pass"},
        {720, 876, "Fail"}, {630, 888, "N/A"},  {670, 888, "N/A"},   {720, 888, "Not certified"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextIn(dc, c.x, c.y).text, c.text) << c.x << "," << c.y;
}

TEST(ReportLayoutTest, TheDateAndTimeLine)
{
    const struct
    {
        const char *date, *time, *iso, *instrument;
    } cases[] = {
        {"2017-05-12", "12:30:05", "2017-05-12 12:30:05", "(12/05/2017 00:30:05 PM)"},
        {"2026-12-31", "23:59:59", "2026-12-31 23:59:59", "(31/12/2026 11:59:59 PM)"},
        {"2026-01-02", "00:00:01", "2026-01-02 00:00:01", "(02/01/2026 00:00:01 AM)"},
        // Texts of another shape are taken as far as they go, never read past.
        {"", "", " ", "(//  AM)"},
        {"2026", "13", "2026 13", "(26//2026 0113 PM)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RecordDateTimeText(c.date, c.time, false), c.iso) << c.date;
        EXPECT_EQ(RecordDateTimeText(c.date, c.time, true), c.instrument) << c.date;
    }
}

TEST(ReportLayoutTest, ReportCoordinatesAndTheFitToTheLetterPage)
{
    RecordingDrawContext dc;
    dc.SetDevice(QSize(4000, 6000), QSize(600, 600));
    PrintInfo info;
    CReport::PrepareReportDC(dc, info);
    EXPECT_EQ(dc.Window(), QRect(0, 0, 1440, 900));
    EXPECT_EQ(dc.Viewport(), QRect(0, 0, 7854, 5400)); // 1440 / 110 and 900 / 100 inches

    // Letter, a quarter inch off each edge: 8 x 10.5 inches. The
    // two-wavelength first page reaches 10.80 inches down (the header block
    // to 8.16, the heading row and three blocks of 0.72), so it shrinks to
    // 10.5 over 10.80 and the last rule's one unit; the three-wavelength one
    // to 10.56 (two blocks of 0.96), or the footer's bottom 0.1 inches below
    // that unit; A4 (11.19 inches) holds them either way, footer and all.
    const QSize letter(8 * 600, 21 * 300);
    const QSize a4(qRound((8.27 - 0.5) * 600), qRound((11.69 - 0.5) * 600));
    EXPECT_NEAR(ReportFitScale(ReportKind::Kav3, letter, QSize(600, 600), false), 10.5 / 10.57, 1e-9);
    EXPECT_NEAR(ReportFitScale(ReportKind::Kav2, letter, QSize(600, 600), false), 10.5 / 10.81, 1e-9);
    EXPECT_NEAR(ReportFitScale(ReportKind::Kav3, letter, QSize(600, 600), true), 10.5 / 10.67, 1e-9);
    EXPECT_NEAR(ReportFitScale(ReportKind::Opm, letter, QSize(600, 600), true), 10.5 / 10.71, 1e-9);
    for (const bool footer : {false, true}) {
        EXPECT_EQ(ReportFitScale(ReportKind::Kav3, a4, QSize(600, 600), footer), 1.0);
        EXPECT_EQ(ReportFitScale(ReportKind::Opm, a4, QSize(600, 600), footer), 1.0);
        EXPECT_EQ(ReportFitScale(ReportKind::Orl, a4, QSize(300, 300), footer), 1.0);
    }

    // Every page of the job at that factor.
    CDataStore store;
    AddGroups(store, 3, {13}); // 2 + 10 + 1
    CReportPrinting job(store, ReportKind::Kav3, WithoutSummary());
    RecordingDrawContext page;
    page.SetDevice(letter, QSize(600, 600));
    job.OnBeginPrinting(page, info);
    EXPECT_EQ(info.m_MaxPage, 3u);
    for (unsigned p = 1; p <= info.m_MaxPage; ++p) {
        info.m_CurrentPage = p;
        job.OnPrepareDC(page, info);
        EXPECT_EQ(page.Viewport(), QRect(0, 0, int(7854 * info.m_Scale), int(5400 * info.m_Scale)));
        EXPECT_LE(page.LogicalToDevice(CReport::KavLayoutEnd(3)).y(), letter.height());
        EXPECT_LE(page.LogicalToDevice(CReport::KavLayoutEnd(3) + QPoint(0, 1 + CReport::FooterHeight)).y(),
                  letter.height());
    }
}

TEST(ReportLayoutTest, FontsHaveTheirHeightAndAverageWidthOnTheInstalledFaces)
{
    struct Expected
    {
        ReportFont font;
        int height, width;
    };
    const Expected fonts[] = {{ReportFont::Table, 20, 7},     {ReportFont::Title, 30, 16},
                              {ReportFont::Brand, 30, 16},    {ReportFont::Section, 20, 12},
                              {ReportFont::Body, 16, 7},      {ReportFont::Heading, 12, 7},
                              {ReportFont::HeavyCell, 12, 8}, {ReportFont::ThinCell, 12, 7}};
    // Lower-case English text: its width per character is about the average
    // width (a face left unstretched misses it by 11 % or more).
    const QString sample =
        QStringLiteral("the quick brown fox jumps over the lazy dog and then some more words");
    for (const Expected& e : fonts) {
        const QFont font = MakeReportFont(e.font);
        const QString family = QFontInfo(font).family(); // a stand-in the install script installs
        const QFontMetricsF metrics(font);
        EXPECT_NEAR(metrics.height(), e.height, 1.0) << family.toStdString();
        EXPECT_NEAR(metrics.horizontalAdvance(sample) / sample.size(), e.width, 0.08 * e.width)
            << family.toStdString() << " " << e.height;
    }
}
