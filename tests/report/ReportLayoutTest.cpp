#include "CReport.h"
#include "CReportPrinting.h"
#include "RecordDateTime.h"
#include "ReportCoordinates.h"
#include "ReportFonts.h"
#include "ReportStores.h"

#include <QFontInfo>
#include <QFontMetricsF>

#include <gtest/gtest.h>

#include <array>

// Where the reports put every rule and text, in report units, drawn on the
// recording context (8 units a character).

namespace {
using Text = RecordingDrawContext::Text;
using Format = DrawContext::TextFormat;

constexpr Format Centred = Format::HCenter | Format::VCenter | Format::SingleLine;
constexpr int CharWidth = RecordingDrawContext::CharWidth;

// The loss-test table's columns: from x = 80, these widths.
constexpr std::array<int, 10> Widths{90, 110, 65, 65, 65, 65, 65, 65, 65, 65};
int Left(int column)
{
    int x = 80;
    for (int c = 0; c < column; ++c)
        x += Widths[static_cast<size_t>(c)];
    return x;
}
int Right(int column)
{
    return Left(column) + Widths[static_cast<size_t>(column)];
}

bool HasLine(const RecordingDrawContext& dc, QPoint from, QPoint to)
{
    for (const auto& line : dc.Lines())
        if (line.line == QLine(from, to))
            return true;
    return false;
}

// The four edges in the order a box is drawn: top, right, bottom, left.
bool HasBox(const RecordingDrawContext& dc, int left, int top, int right, int bottom)
{
    const std::vector<RecordingDrawContext::Line>& lines = dc.Lines();
    const QLine edges[] = {QLine(left, top, right, top), QLine(right, top, right, bottom),
                           QLine(right, bottom, left, bottom), QLine(left, bottom, left, top)};
    for (size_t i = 0; i + 4 <= lines.size(); ++i)
        if (lines[i].line == edges[0] && lines[i + 1].line == edges[1] && lines[i + 2].line == edges[2] &&
            lines[i + 3].line == edges[3])
            return true;
    return false;
}

// The text drawn in the rectangle whose top-left corner is (x, y).
const Text* TextIn(const RecordingDrawContext& dc, int x, int y)
{
    for (const Text& text : dc.Texts())
        if (text.format && text.rect.topLeft() == QPoint(x, y))
            return &text;
    return nullptr;
}

QString TextAt(const RecordingDrawContext& dc, int x, int y)
{
    for (const Text& text : dc.Texts())
        if (!text.format && text.at == QPoint(x, y))
            return text.text;
    return QStringLiteral("<none>");
}

void PaintPage(CReportPrinting& job, RecordingDrawContext& dc, unsigned page)
{
    PrintInfo info;
    job.OnBeginPrinting(dc, info);
    info.m_CurrentPage = page;
    job.OnPrepareDC(dc, info);
    job.OnPrint(dc, info);
}

void FillInformation(InfoFields& f)
{
    int n = 0;
    for (std::string* field :
         {&f.JobId,        &f.JobDate,   &f.Reason,     &f.Contractor,    &f.OperatorA,
          &f.Customer,     &f.OperatorB, &f.CustomJob1, &f.CustomJob2,    &f.CableId,
          &f.LocationA,    &f.LocationB, &f.CableMfr,   &f.CableType,     &f.CustomCable1,
          &f.CustomCable2, &f.UnitNameA, &f.UnitNameB,  &f.SerialNumberA, &f.SerialNumberB})
        *field = "value" + std::to_string(++n);
}
} // namespace

TEST(ReportLayoutTest, TheHeaderBlockOfJobCableAndSystem)
{
    CDataStore store;
    FillInformation(store.m_InfoFields);
    const InfoFields& f = store.m_InfoFields;
    RecordingDrawContext dc;
    const QFont before(QStringLiteral("Courier"), 33);
    dc.SetFont(before);
    EXPECT_EQ(CReport(store).PrintReportHeader(dc), 676);
    EXPECT_EQ(dc.Font(), before);

    EXPECT_EQ(TextAt(dc, 80, 60), "KAV Report");
    EXPECT_EQ(TextAt(dc, 540, 60), "CorvantaTech");
    // A label at x and its value one space's width after it.
    struct Labelled
    {
        int x, y;
        const char* label;
        const std::string& value;
    };
    const Labelled labelled[] = {
        {80, 176, "Job ID:", f.JobId},
        {440, 176, "Date:", f.JobDate},
        {80, 196, "Reason:", f.Reason},
        {80, 216, "Contractor:", f.Contractor},
        {440, 216, "Operator A:", f.OperatorA},
        {80, 236, "Customer:", f.Customer},
        {440, 236, "Operator B:", f.OperatorB},
        {80, 256, "Custom job 1:", f.CustomJob1},
        {440, 256, "Custom job 2:", f.CustomJob2},
        {80, 356, "Cable ID:", f.CableId},
        {80, 376, "Location A:", f.LocationA},
        {440, 376, "Location B:", f.LocationB},
        {80, 396, "Cable Mfr.:", f.CableMfr},
        {440, 396, "Cable Type:", f.CableType},
        {80, 416, "Custom cable 1:", f.CustomCable1},
        {440, 416, "Custom cable 2:", f.CustomCable2},
    };
    for (const Labelled& l : labelled) {
        EXPECT_EQ(TextAt(dc, l.x, l.y), l.label);
        const int valueX = l.x + CharWidth * (static_cast<int>(strlen(l.label)) + 1);
        EXPECT_EQ(TextAt(dc, valueX, l.y), QString::fromStdString(l.value)) << l.label;
    }
    EXPECT_EQ(TextAt(dc, 80, 124), "Job Information");
    EXPECT_EQ(TextAt(dc, 80, 304), "Cable Information");
    EXPECT_EQ(TextAt(dc, 80, 464), "System Information");
    EXPECT_EQ(TextAt(dc, 320, 526), "Unit A");
    EXPECT_EQ(TextAt(dc, 560, 526), "Unit B");
    EXPECT_EQ(TextAt(dc, 80, 546), "Unit Name:");
    EXPECT_EQ(TextAt(dc, 320, 546), QString::fromStdString(f.UnitNameA));
    EXPECT_EQ(TextAt(dc, 560, 546), QString::fromStdString(f.UnitNameB));
    EXPECT_EQ(TextAt(dc, 80, 566), "Serial Number:");
    EXPECT_EQ(TextAt(dc, 320, 566), QString::fromStdString(f.SerialNumberA));
    EXPECT_EQ(TextAt(dc, 560, 566), QString::fromStdString(f.SerialNumberB));
    EXPECT_EQ(TextAt(dc, 80, 614), "KAV FTTx");
    for (const int y : {104, 288, 448, 598})
        EXPECT_TRUE(HasLine(dc, QPoint(80, y), QPoint(800, y))) << "rule at " << y;
    EXPECT_EQ(dc.Lines().size(), 4u);

    EXPECT_EQ(dc.FirstText("KAV Report")->font, MakeReportFont(ReportFont::Title));
    EXPECT_EQ(dc.FirstText("Job Information")->font, MakeReportFont(ReportFont::Section));
    EXPECT_EQ(dc.FirstText("Unit A")->font, MakeReportFont(ReportFont::Body));
}

TEST(ReportLayoutTest, TheLossTestHeadingRowAndARecordBlock)
{
    CDataStore store;
    AddGroups(store, 2, {1});
    CReportPrinting job(store, ReportKind::Kav2);
    RecordingDrawContext dc;
    PaintPage(job, dc, 1);
    EXPECT_EQ(store.m_HeaderBottom, 676);

    // The heading row under the header block: title band and unit band.
    const int y0 = 676;
    for (int c = 0; c < 10; ++c)
        EXPECT_TRUE(HasBox(dc, Left(c), y0, Right(c), y0 + 48)) << c;
    EXPECT_EQ(TextIn(dc, Left(0), y0 + 6)->text, "Fiber ID");
    EXPECT_EQ(TextIn(dc, Left(0), y0 + 24), nullptr);
    EXPECT_EQ(TextIn(dc, Left(3), y0 + 6)->text, "REF AB");
    EXPECT_EQ(TextIn(dc, Left(3), y0 + 24)->text, "(dBm)");
    EXPECT_EQ(TextIn(dc, Left(9), y0 + 24)->rect, QRect(Left(9), y0 + 24, 65, 24));
    EXPECT_EQ(TextIn(dc, Left(9), y0 + 6)->font, MakeReportFont(ReportFont::Heading));

    // Two wavelength rows and the date line, 24 units each, under the heading.
    const int top = y0 + 48, dateTop = top + 2 * 24, bottom = dateTop + 24;
    EXPECT_TRUE(HasBox(dc, Left(0), top, Right(0), bottom));
    const Text* fiber = TextIn(dc, Left(0) + 3, top + 6);
    ASSERT_NE(fiber, nullptr);
    EXPECT_EQ(fiber->text, "C0/F0");
    EXPECT_EQ(fiber->rect, QRect(Left(0) + 3, top + 6, Right(0) - Left(0) - 3, bottom - top - 6));
    EXPECT_EQ(fiber->format, Format::WordBreak);
    for (int w = 0; w < 2; ++w) {
        const int rowTop = top + 24 * w;
        for (int c = 1; c <= 8; ++c)
            EXPECT_TRUE(HasBox(dc, Left(c), rowTop, Right(c), rowTop + 24)) << c << " " << w;
        EXPECT_EQ(TextIn(dc, Left(1), rowTop)->text, QString("%1 Up/Down").arg(w == 0 ? 1310 : 1550));
        EXPECT_EQ(TextIn(dc, Left(1), rowTop)->format, Centred);
    }
    const Text* date = TextIn(dc, Left(1) + 5, dateTop);
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->text, "(10/03/2026 08:00:00 AM)");
    EXPECT_EQ(date->rect, QRect(Left(1) + 5, dateTop, Right(3) - Left(1) - 5, 24));
    EXPECT_EQ(date->format, Format::Left | Format::VCenter | Format::SingleLine);
    // No rule crosses the date line between the Fiber ID box and the right edge.
    for (const auto& line : dc.Lines()) {
        const QLine& l = line.line;
        if (l.x1() == l.x2() && l.x1() > Left(1) && l.x1() < Right(9)) {
            EXPECT_TRUE(std::max(l.y1(), l.y2()) <= dateTop || std::min(l.y1(), l.y2()) >= bottom)
                << "a rule at x = " << l.x1();
        }
    }
    for (int c = 1; c <= 9; ++c)
        EXPECT_TRUE(HasLine(dc, QPoint(Left(c), bottom), QPoint(Right(c), bottom))) << c;
    // The Length column: top, right edge, the date line's top; its text once.
    EXPECT_TRUE(HasLine(dc, QPoint(Left(9), top), QPoint(Right(9), top)));
    EXPECT_TRUE(HasLine(dc, QPoint(Right(9), top), QPoint(Right(9), bottom)));
    EXPECT_TRUE(HasLine(dc, QPoint(Left(9), dateTop), QPoint(Right(9), dateTop)));
    EXPECT_EQ(TextIn(dc, Left(9), top)->text, "2.000");
    EXPECT_EQ(TextIn(dc, Left(9), top + 24), nullptr);

    // Heavy and thin columns.
    for (int c = 1; c <= 9; ++c) {
        const bool heavy = c == 2 || c == 4 || c == 7 || c == 8;
        EXPECT_EQ(TextIn(dc, Left(c), top)->font,
                  MakeReportFont(heavy ? ReportFont::HeavyCell : ReportFont::ThinCell))
            << c;
    }
    EXPECT_EQ(fiber->font, MakeReportFont(ReportFont::HeavyCell));
    EXPECT_EQ(dc.Font(), QFont()); // put back as it was
}

TEST(ReportLayoutTest, AContinuationPageStartsItsHeadingAt60)
{
    CDataStore store;
    AddGroups(store, 3, {6});
    CReportPrinting job(store, ReportKind::Kav3);
    RecordingDrawContext dc;
    PaintPage(job, dc, 2);
    EXPECT_EQ(dc.FirstText("KAV Report"), nullptr);
    EXPECT_TRUE(HasBox(dc, Left(0), 60, Right(0), 108));
    // The 5th and 6th records, four sub-rows (96 units) each, from y = 108.
    for (int i = 0; i < 2; ++i) {
        const int top = 108 + 96 * i;
        EXPECT_TRUE(HasBox(dc, Left(0), top, Right(0), top + 96));
        EXPECT_EQ(TextIn(dc, Left(0) + 3, top + 6)->text, QString("C0/F%1").arg(4 + i));
        // Three wavelengths: the fiber's text ends where the date line starts.
        EXPECT_EQ(TextIn(dc, Left(0) + 3, top + 6)->rect.bottom() + 1, top + 72);
        EXPECT_EQ(TextIn(dc, Left(1), top + 48)->text, "1550 Up/Down");
        EXPECT_NE(TextIn(dc, Left(1) + 5, top + 72), nullptr);
    }
}

TEST(ReportLayoutTest, LossTestValuesFollowTheTableRules)
{
    // Wavelength by wavelength: A -> B, B -> A.
    CDataStore::KavTriples v = PlainLossTest();
    v.LossAB[0] = 98.5f; // "N/A", and B's 0.7 is the average
    v.LossBA[0] = 0.7f;
    v.LossAB[1] = 0.0f; // shown, but not averaged
    v.LossBA[1] = 0.7f;
    v.LossAB[2] = 98.5f; // both out of range but under 99: the average is B's
    v.LossBA[2] = 98.5f;
    v.RefAB[0] = 120.0f; // references are never "N/A"
    v.OrlAB[1] = 99.0f;
    v.Length[0] = 1.0f;
    v.Length[1] = 2.0f;
    v.Length[2] = 4.5f;
    CDataStore store;
    AddLossTest(store, 3, "C", "F", v);
    CReportPrinting job(store, ReportKind::Kav3);
    RecordingDrawContext dc;
    PaintPage(job, dc, 1);
    const int top = 676 + 48;
    const auto cell = [&](int column, int w) { return TextIn(dc, Left(column), top + 24 * w)->text; };
    EXPECT_EQ(cell(2, 0), "N/A");
    EXPECT_EQ(cell(4, 0), "0.70");
    EXPECT_EQ(cell(6, 0), "0.70");
    EXPECT_EQ(cell(3, 0), "120.00");
    EXPECT_EQ(cell(2, 1), "0.00");
    EXPECT_EQ(cell(6, 1), "N/A");
    EXPECT_EQ(cell(7, 1), "N/A");
    EXPECT_EQ(cell(2, 2), "N/A");
    EXPECT_EQ(cell(6, 2), "98.50");
    EXPECT_EQ(cell(9, 0), "2.500"); // the mean of 1, 2 and 4.5, not the last

    CDataStore negative;
    v.Length[2] = -4.0f;
    AddLossTest(negative, 3, "C", "F", v);
    CReportPrinting negativeJob(negative, ReportKind::Kav3);
    RecordingDrawContext again;
    PaintPage(negativeJob, again, 1);
    EXPECT_EQ(TextIn(again, Left(9), top)->text, "N/A");
}

TEST(ReportLayoutTest, TheDateAndTimeLine)
{
    EXPECT_EQ(RecordDateTimeText("2017-05-12", "12:30:05"), "(12/05/2017 00:30:05 PM)");
    EXPECT_EQ(RecordDateTimeText("2017-05-12", "09:05:00"), "(12/05/2017 09:05:00 AM)");
    EXPECT_EQ(RecordDateTimeText("2026-12-31", "23:59:59"), "(31/12/2026 11:59:59 PM)");
    EXPECT_EQ(RecordDateTimeText("2026-01-02", "00:00:01"), "(02/01/2026 00:00:01 AM)");
    // Texts of another shape are taken as far as they go, never read past.
    EXPECT_EQ(RecordDateTimeText("", ""), "(//  AM)");
    EXPECT_EQ(RecordDateTimeText("2026", "13"), "(26//2026 0113 PM)");
}

TEST(ReportLayoutTest, ReportCoordinatesAndTheFitToTheLetterPage)
{
    RecordingDrawContext dc;
    dc.SetDevice(QSize(4000, 6000), QSize(600, 600));
    PrintInfo info;
    CReport::PrepareReportDC(dc, info);
    EXPECT_EQ(dc.Window(), QRect(0, 0, 1440, 900));
    EXPECT_EQ(dc.Viewport(), QRect(0, 0, 7854, 5400));

    // Letter, a quarter inch off each edge: 8 x 10.5 inches. The
    // three-wavelength first page reaches 11.08 inches down, so it shrinks to
    // 10.5 over 11.08 and the last rule's one unit; A4 (11.19 inches) holds it.
    const QSize letter(8 * 600, 21 * 300);
    const QSize a4(qRound((8.27 - 0.5) * 600), qRound((11.69 - 0.5) * 600));
    EXPECT_NEAR(ReportFitScale(ReportKind::Kav3, letter, QSize(600, 600)), 10.5 / 11.09, 1e-9);
    EXPECT_NEAR(ReportFitScale(ReportKind::Kav2, letter, QSize(600, 600)), 10.5 / 10.85, 1e-9);
    EXPECT_EQ(ReportFitScale(ReportKind::Kav3, a4, QSize(600, 600)), 1.0);
    EXPECT_EQ(ReportFitScale(ReportKind::Opm, a4, QSize(600, 600)), 1.0);
    EXPECT_EQ(ReportFitScale(ReportKind::Orl, a4, QSize(300, 300)), 1.0);

    // Every page of the job at that factor.
    CDataStore store;
    AddGroups(store, 3, {15}); // 4 + 10 + 1
    CReportPrinting job(store, ReportKind::Kav3);
    RecordingDrawContext page;
    page.SetDevice(letter, QSize(600, 600));
    job.OnBeginPrinting(page, info);
    EXPECT_EQ(info.m_MaxPage, 3u);
    for (unsigned p = 1; p <= info.m_MaxPage; ++p) {
        info.m_CurrentPage = p;
        job.OnPrepareDC(page, info);
        EXPECT_EQ(page.Viewport(), QRect(0, 0, int(7854 * info.m_Scale), int(5400 * info.m_Scale)));
        EXPECT_LE(page.LogicalToDevice(CReport::KavLayoutEnd(3)).y(), letter.height());
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
        const QString family = QFontInfo(font).family();
        if (e.font == ReportFont::Table)
            EXPECT_TRUE(family == "WenQuanYi Micro Hei Mono" || family == "SimHei") << family.toStdString();
        else
            EXPECT_TRUE(family == "Liberation Sans" || family == "Arial") << family.toStdString();
        const QFontMetricsF metrics(font);
        EXPECT_NEAR(metrics.height(), e.height, 1.0) << family.toStdString();
        EXPECT_NEAR(metrics.horizontalAdvance(sample) / sample.size(), e.width, 0.08 * e.width)
            << family.toStdString() << " " << e.height;
    }
}
