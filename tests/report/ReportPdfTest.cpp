#include "report/ReportPdf.h"
#include "report/CReportPrinting.h"
#include "tests/report/ReportStores.h"
#include "tests/support/PdfReading.h"
#include "tests/support/ScratchFolder.h"

#include <QLocale>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>

// The PDF of a loss-test report read back: every name whole and in its own
// script, the fonts embedded once for the whole document, and the metadata
// an archive takes. Which records each page holds is the paging test's.

namespace {
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

TEST(ReportPdfTest, WholeNamesInAnyScriptFontsOnceArchivedAsPrinted)
{
    CDataStore store;
    const std::string kabel = "Kabel-\xC3\x9C-\xC3\x9F-\xC3\xA9";   // UTF-8
    const std::string cableGb = "\xB9\xE2\xC0\xC2-7";               // 光缆-7 in GB18030
    AddLossTest(store, 3, kabel, "OSP_LGX_A12_P005", KavTriples{}); // 16 characters
    AddLossTest(store, 3, cableGb, "2024-0012-0034-5", KavTriples{});
    ReportOptions options;
    // A company typed with control characters and a file named in GB18030
    // (光缆) reach the metadata as text that XML holds.
    options.company = "Acme Fibre\x01 Ltd\x7F";
    options.sourceFile = "site-7-\xB9\xE2\xC0\xC2.bin";
    qputenv("SOURCE_DATE_EPOCH", "1714650000"); // 2024-05-02 11:40:00 UTC
    CReportPrinting job(store, ReportKind::Kav3, options);
    const ReportPdfResult written = ReportPdf(job, QPageSize(QPageSize::A4));
    qunsetenv("SOURCE_DATE_EPOCH");
    ASSERT_EQ(written.result, PageLoopResult::Done);
    ScratchFolder dir;
    const std::string path = dir.File("report.pdf");
    WriteBytes(path, written.bytes.toStdString());

    // The header names each cable as typed, in its own script, on the pages
    // after the summary's.
    EXPECT_TRUE(HasWord(PdfText(path, 2), "Cable ID: Kabel-Ü-ß-é")) << PdfText(path, 2);
    EXPECT_TRUE(HasWord(PdfText(path, 3), "Cable ID: 光缆-7")) << PdfText(path, 3);

    // Each Fiber ID in full inside its 90-unit box (x 80 to 170, below the
    // heading row that ends at y 864), over as many lines as it needs: two
    // for digits, three for wide capitals.
    const auto fiberLines = [&path](int page) {
        std::vector<PdfWord> lines;
        for (const PdfWord& word : PdfWords(path, page))
            if (word.xMin < PointsAcross(170) && word.yMin > PointsDown(864) &&
                word.yMax < PointsDown(864 + 96))
                lines.push_back(word);
        return lines;
    };
    const struct
    {
        int page;
        std::string id;
        size_t lines;
    } fibers[] = {{2, "OSP_LGX_A12_P005", 3}, {3, "2024-0012-0034-5", 2}};
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

    // Every face embedded with its Unicode map, once for the whole document
    // however many pages use it: pdffonts lists two heading lines, then one
    // per font, its name first (after a subset tag "ABCDEF+", if a subset);
    // after the encoding its columns say embedded, subset, Unicode map.
    const std::string fonts = ToolOutput("pdffonts '" + path + "'");
    const std::regex embedded("^(?:[A-Z]{6}\\+)?(\\S+).*Identity-H\\s+yes\\s+\\w+\\s+yes");
    std::istringstream listing(fonts);
    std::set<std::string> faces;
    size_t lines = 0;
    for (std::string line; std::getline(listing, line);) {
        if (++lines <= 2)
            continue;
        std::smatch face;
        EXPECT_TRUE(std::regex_search(line, face, embedded)) << fonts;
        EXPECT_TRUE(faces.insert(face[1]).second) << fonts;
    }
    EXPECT_FALSE(faces.empty()) << fonts;

    // PDF/A-1b, titled, by the company, about the file, created when it was
    // printed: the document information as the XMP says it.
    EXPECT_EQ(PdfInfo(path, "Title"), "KAV Report");
    EXPECT_EQ(PdfInfo(path, "Author"), "Acme Fibre Ltd");
    EXPECT_EQ(PdfInfo(path, "Subject"), "KAV Report of site-7-光缆.bin");
    EXPECT_NE(PdfInfo(path, "CreationDate").find("May  2 11:40:00 2024"), std::string::npos);
    const std::string meta = ToolOutput("pdfinfo -meta '" + path + "'");
    QXmlStreamReader xml(QByteArray::fromStdString(meta));
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString() << "\n" << meta;
    EXPECT_NE(meta.find("pdfaid:part=\"1\""), std::string::npos) << meta;
    EXPECT_NE(meta.find("pdfaid:conformance=\"B\""), std::string::npos);
    EXPECT_NE(meta.find("<rdf:li>Acme Fibre Ltd</rdf:li>"), std::string::npos);
    EXPECT_NE(meta.find("KAV Report of site-7-光缆.bin"), std::string::npos);
    EXPECT_NE(meta.find("xmp:CreateDate=\"2024-05-02T11:40:00Z\""), std::string::npos);
}

TEST(ReportPdfTest, LetterWhereTheLocaleMeasuresInUsUnits)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(DefaultReportPaper().id(), QPageSize::Letter);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(DefaultReportPaper().id(), QPageSize::A4);
    QLocale::setDefault(previous);
}
