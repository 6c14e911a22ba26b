#include "data/HeaderFile.h"
#include "platform/draw/TextFitting.h"
#include "report/CReportPrinting.h"
#include "report/ReportFonts.h"
#include "report/ReportPdf.h"
#include "tests/report/ReportStores.h"
#include "tests/support/PdfReading.h"
#include "tests/support/ScratchFolder.h"

#include <QImage>

#include <gtest/gtest.h>

#include <sstream>

// What makes a report one a contractor can hand over: numbered and dated
// pages that name their cable, the company's name and logo, the header as
// typed, every name whole and readable, and a PDF an archive takes.

namespace {
// The text drawn with its top-left corner at (x, y).
QString TextAt(const RecordingDrawContext& dc, int x, int y)
{
    for (const RecordingDrawContext::Text& text : dc.Texts())
        if (text.at == QPoint(x, y))
            return text.text;
    return QString();
}

// SOURCE_DATE_EPOCH for the life of a test.
class SourceDate
{
public:
    explicit SourceDate(const char* seconds) { qputenv("SOURCE_DATE_EPOCH", seconds); }
    ~SourceDate() { qunsetenv("SOURCE_DATE_EPOCH"); }
};

// A report unit across and down, in points, on a PDF page at scale 1 (110
// units an inch across and 100 down, from the quarter-inch margin).
double PointsAcross(int units)
{
    return ReportMarginInches * 72 + units * 72.0 / 110;
}
double PointsDown(int units)
{
    return ReportMarginInches * 72 + units * 72.0 / 100;
}
} // namespace

TEST(ReportIdentityTest, EveryPageNumberedDatedAndNamingItsCable)
{
    const SourceDate date("1714650000"); // 2024-05-02 11:40:00 UTC
    CDataStore store;
    // C0 on page 1; C1 on page 2 and, continued, page 3; the summary on 4,
    // which sums up both cables and so names none.
    AddGroups(store, 2, {3, 7});
    ReportOptions options;
    options.sourceFile = "site-7.bin";
    CReportPrinting job(store, ReportKind::Kav2, options);
    ASSERT_EQ(job.PageCount(), 4u);
    for (unsigned page = 1; page <= 4; ++page) {
        const RecordingDrawContext dc = Painted(job, page, 4);
        // Below the fullest page's last rule (y 1084), from the table's left
        // edge to its right.
        const QString number = TextAt(dc, 80, 1085);
        EXPECT_EQ(number, QStringLiteral("Page %1 of 4").arg(page));
        const auto* printed = dc.FirstText(QStringLiteral("Printed 2024-05-02 11:40 UTC"));
        ASSERT_TRUE(printed) << page;
        EXPECT_EQ(printed->rect, QRect(80, 1085, 720, CReport::FooterHeight));
        const QString middle = page == 1  ? "site-7.bin    Cable ID: C0"
                               : page < 4 ? "site-7.bin    Cable ID: C1"
                                          : "site-7.bin";
        EXPECT_TRUE(dc.FirstText(middle)) << page;
    }

    // Without the footer the page is the layout alone; an empty list still
    // has its one page numbered.
    options.footer = false;
    CReportPrinting bare(store, ReportKind::Kav2, options);
    EXPECT_FALSE(Painted(bare, 2, 4).FirstText(QStringLiteral("Page 2 of 4")));
    CDataStore empty;
    CReportPrinting noReadings(empty, ReportKind::Opm);
    EXPECT_EQ(TextsOf(Painted(noReadings, 1, 1)).front(), QStringLiteral("Page 1 of 1"));
}

TEST(ReportIdentityTest, TheCompanyAndItsLogoInPlaceOfTheMakersName)
{
    CDataStore store;
    AddGroups(store, 3, {1});
    const auto header = [&store](const ReportOptions& options) {
        CReportPrinting job(store, ReportKind::Kav3, options);
        return Painted(job, 1, 1);
    };
    ReportOptions options;
    EXPECT_TRUE(header(options).FirstText(QStringLiteral("CorvantaTech")));

    options.company = "Acme Fibre Ltd";
    const RecordingDrawContext named = header(options);
    EXPECT_FALSE(named.FirstText(QStringLiteral("CorvantaTech")));
    const auto* company = named.FirstText(QStringLiteral("Acme Fibre Ltd"));
    ASSERT_TRUE(company);
    // The title line's right half, the name against its right edge.
    EXPECT_EQ(company->rect, QRect(440, 60, 360, 40));
    EXPECT_TRUE(DrawContext::TextFormat::Right == (*company->format & DrawContext::TextFormat::Right));

    // A logo 200 x 50 pixels: as tall as the title line, keeping its shape
    // on paper (units are 110 across and 100 down to the inch), at the right;
    // the name ends beside it.
    ScratchFolder dir;
    QImage picture(200, 50, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    ASSERT_TRUE(picture.save(QString::fromStdString(dir.File("logo.png"))));
    options.logoFile = dir.File("logo.png");
    const RecordingDrawContext branded = header(options);
    ASSERT_EQ(branded.Images().size(), 1u);
    EXPECT_EQ(branded.Images()[0].rect, QRect(800 - 176, 60, 176, 40));
    EXPECT_EQ(branded.FirstText(QStringLiteral("Acme Fibre Ltd"))->rect.right() + 1, 800 - 176 - 10);

    WriteBytes(dir.File("logo.txt"), "not a picture");
    EXPECT_FALSE(ReadReportLogo(dir.File("logo.txt")).image);
}

TEST(ReportIdentityTest, AHeaderFilesTwentyValuesAtTheirPlaces)
{
    // Each value is its field's name, so that a value at the wrong place
    // shows whose it is.
    std::string json = "{";
    for (const InfoFieldInfo& info : InfoFieldTable)
        json += std::string(json.size() > 1 ? "," : "") + "\"" + info.name + "\":\"" + info.name + "\"";
    const HeaderFileResult read = ParseHeaderFile(json + "}");
    ASSERT_TRUE(read.fields) << read.error;
    CDataStore store;
    store.m_InfoFields = *read.fields;
    const CReport report(store);
    RecordingDrawContext dc;
    report.PrintReportHeader(dc, "CableId");
    // Each label and its value after it and a space (8 units a character).
    const auto after = [](int x, const char* label) { return x + 8 * (int(strlen(label)) + 1); };
    const struct
    {
        int x, y;
        const char* value;
    } places[] = {
        {after(80, "Job ID:"), 176, "JobId"},
        {after(440, "Date:"), 176, "JobDate"},
        {after(80, "Reason:"), 196, "Reason"},
        {after(80, "Contractor:"), 216, "Contractor"},
        {after(440, "Operator A:"), 216, "OperatorA"},
        {after(80, "Customer:"), 236, "Customer"},
        {after(440, "Operator B:"), 236, "OperatorB"},
        {after(80, "Custom job 1:"), 256, "CustomJob1"},
        {after(440, "Custom job 2:"), 256, "CustomJob2"},
        {after(80, "Cable ID:"), 356, "CableId"},
        {after(80, "Location A:"), 376, "LocationA"},
        {after(440, "Location B:"), 376, "LocationB"},
        {after(80, "Cable Mfr.:"), 396, "CableMfr"},
        {after(440, "Cable Type:"), 396, "CableType"},
        {after(80, "Custom cable 1:"), 416, "CustomCable1"},
        {after(440, "Custom cable 2:"), 416, "CustomCable2"},
        {320, 546, "UnitNameA"},
        {560, 546, "UnitNameB"},
        {320, 566, "SerialNumberA"},
        {560, 566, "SerialNumberB"},
    };
    for (const auto& place : places)
        EXPECT_EQ(TextAt(dc, place.x, place.y), QString::fromLatin1(place.value)) << place.value;
}

TEST(ReportIdentityTest, AValueTooLongForItsColumnWrapsWithinIt)
{
    CDataStore store;
    store.m_InfoFields.Customer = std::string(40, 'c'); // 320 units at 8 a character
    store.m_InfoFields.Reason = std::string(50, 'r');   // 400 units: the whole width holds it
    RecordingDrawContext dc;
    CReport(store).PrintReportHeader(dc, "C");
    const auto* customer = dc.FirstText(QString(40, 'c'));
    ASSERT_TRUE(customer);
    ASSERT_TRUE(customer->format);
    EXPECT_TRUE(Includes(*customer->format, DrawContext::TextFormat::WordBreak) &&
                Includes(*customer->format, DrawContext::TextFormat::EditControl));
    // From after "Customer: " to a space before the right-hand labels.
    EXPECT_EQ(customer->rect.left(), 80 + 8 * 10);
    EXPECT_EQ(customer->rect.right() + 1, 440 - 8);
    EXPECT_EQ(customer->rect.top(), 236);
    EXPECT_FALSE(dc.FirstText(QString(50, 'r'))->format);
}

TEST(ReportIdentityTest, AValueWiderThanItsCellIsNarrowedOrShownAsHashes)
{
    // The recording context measures 8 units a character: 9 characters are
    // 72 units in a cell of 65, 31 characters far more than twice its width.
    CDataStore::KavTriples values{};
    values.RefAB[0] = 120000.0f; // "120000.00"
    values.RefBA[0] = 1e30f;     // 31 digits and the decimals
    values.LossAB[0] = 1.25f;
    CDataStore store;
    AddLossTest(store, 2, "C", "F", values);
    CReportPrinting job(store, ReportKind::Kav2);
    const RecordingDrawContext dc = Painted(job, 1, 1);
    const auto* narrowed = dc.FirstText(QStringLiteral("120000.00"));
    ASSERT_TRUE(narrowed);
    const QFont thin = MakeReportFont(ReportFont::ThinCell);
    EXPECT_EQ(narrowed->font.stretch(), thin.stretch() * 64 / 72);
    EXPECT_TRUE(dc.FirstText(QString::fromLatin1(NoRoomText)));
    for (const RecordingDrawContext::Text& text : dc.Texts())
        EXPECT_FALSE(text.text.startsWith(QStringLiteral("100000"))) << text.text.toStdString();
    // What fits is drawn as it is.
    EXPECT_EQ(dc.FirstText(QStringLiteral("1.25"))->font.stretch(),
              MakeReportFont(ReportFont::HeavyCell).stretch());
}

TEST(ReportIdentityTest, ThePdfReadBackWholeNamesInAnyScriptArchivedAsPrinted)
{
    const SourceDate date("1714650000");
    CDataStore store;
    const std::string kabel = "Kabel-\xC3\x9C-\xC3\x9F-\xC3\xA9";               // UTF-8
    const std::string cableGb = "\xB9\xE2\xC0\xC2-7";                           // 光缆-7 in GB18030
    AddLossTest(store, 3, kabel, "OSP_LGX_A12_P005", CDataStore::KavTriples{}); // 16 characters
    AddLossTest(store, 3, cableGb, "2024-0012-0034-5", CDataStore::KavTriples{});
    ReportOptions options;
    options.company = "Acme Fibre Ltd";
    options.sourceFile = "site-7.bin";
    CReportPrinting job(store, ReportKind::Kav3, options);
    const ReportPdfResult written = ReportPdf(job, QPageSize(QPageSize::A4));
    ASSERT_EQ(written.result, PageLoopResult::Done);
    ScratchFolder dir;
    const std::string path = dir.File("report.pdf");
    WriteBytes(path, written.bytes.toStdString());

    // The header names each cable as typed, in its own script.
    EXPECT_TRUE(HasWord(PdfText(path, 1), "Cable ID: Kabel-Ü-ß-é")) << PdfText(path, 1);
    EXPECT_TRUE(HasWord(PdfText(path, 2), "Cable ID: 光缆-7")) << PdfText(path, 2);
    EXPECT_NE(PdfText(path, 2).find("Page 2 of 3"), std::string::npos); // the summary on page 3
    EXPECT_NE(PdfText(path, 1).find("Acme Fibre Ltd"), std::string::npos);

    // Each Fiber ID in full inside its 90-unit box (x 80 to 170, below the
    // heading row that ends at y 724), over as many lines as it needs: two
    // for digits, three for wide capitals.
    const auto fiberLines = [&path](int page) {
        std::vector<PdfWord> lines;
        for (const PdfWord& word : PdfWords(path, page))
            if (word.xMin < PointsAcross(170) && word.yMin > PointsDown(724) &&
                word.yMax < PointsDown(724 + 96))
                lines.push_back(word);
        return lines;
    };
    const struct
    {
        int page;
        std::string id;
        size_t lines;
    } fibers[] = {{1, "OSP_LGX_A12_P005", 3}, {2, "2024-0012-0034-5", 2}};
    for (const auto& fiber : fibers) {
        const std::vector<PdfWord> lines = fiberLines(fiber.page);
        std::string whole;
        for (const PdfWord& line : lines) {
            whole += line.text;
            EXPECT_GE(line.xMin, PointsAcross(80) - 0.5) << line.text;
            EXPECT_LE(line.xMax, PointsAcross(170) + 0.5) << line.text;
        }
        EXPECT_EQ(whole, fiber.id);
        EXPECT_EQ(lines.size(), fiber.lines) << fiber.id;
    }

    // PDF/A-1b, titled, by the company, created when it was printed.
    EXPECT_EQ(PdfInfo(path, "Title"), "KAV Report");
    EXPECT_NE(PdfInfo(path, "CreationDate").find("May  2 11:40:00 2024"), std::string::npos);
    const std::string meta = ToolOutput("pdfinfo -meta '" + path + "'");
    EXPECT_NE(meta.find("pdfaid:part=\"1\""), std::string::npos) << meta;
    EXPECT_NE(meta.find("pdfaid:conformance=\"B\""), std::string::npos);
    EXPECT_NE(meta.find("<rdf:li>Acme Fibre Ltd</rdf:li>"), std::string::npos);
    EXPECT_NE(meta.find("KAV Report of site-7.bin"), std::string::npos);
    EXPECT_NE(meta.find("xmp:CreateDate=\"2024-05-02T11:40:00Z\""), std::string::npos);

    // Made again at the same time, the same pages and dates.
    CReportPrinting again(store, ReportKind::Kav3, options);
    const std::string second = dir.File("again.pdf");
    WriteBytes(second, ReportPdf(again, QPageSize(QPageSize::A4)).bytes.toStdString());
    EXPECT_EQ(PdfText(second), PdfText(path));
    EXPECT_EQ(PdfInfo(second, "CreationDate"), PdfInfo(path, "CreationDate"));
}
