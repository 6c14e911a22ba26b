#include "report/ReportPdf.h"
#include "data/Documents.h"
#include "report/CReportPrinting.h"
#include "tests/report/ReportStores.h"
#include "tests/support/PdfReading.h"
#include "tests/support/ScratchFolder.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <sstream>

// The PDF of a loss-test report read back: its pages, what each holds, the
// paper, and the fonts embedded once for the whole document.

TEST(ReportPdfTest, EveryCableWithItsHeaderAndItsFibresOnTheirPages)
{
    CDataStore store;
    AddGroups(store, 3, {3, 12}); // pages: 1, then 4 + 8
    store.m_InfoFields.Customer = "City Net";
    store.m_InfoFields.CableId = "typed";
    const std::string records = KavDocumentBytes(store);
    CReportPrinting job(store, ReportKind::Kav3, WithoutSummary());
    const ReportPdfResult written = ReportPdf(job, QPageSize(QPageSize::Letter));
    ASSERT_EQ(written.result, PageLoopResult::Done);
    // Painting only reads: each header names its own cable, the field keeps
    // what the user typed.
    EXPECT_EQ(store.m_InfoFields.CableId, "typed");
    EXPECT_EQ(KavDocumentBytes(store), records);
    ScratchFolder dir;
    const std::string path = dir.File("report.pdf");
    WriteBytes(path, written.bytes.toStdString());
    EXPECT_EQ(PdfPages(path), 3);
    EXPECT_EQ(PdfInfo(path, "Title"), "KAV Report");
    EXPECT_NE(PdfInfo(path, "Page size").find("letter"), std::string::npos);
    const std::string pages[] = {PdfText(path, 1), PdfText(path, 2), PdfText(path, 3)};
    for (int p = 0; p < 3; ++p) {
        EXPECT_NE(pages[p].find("Fiber ID"), std::string::npos) << p;
        const bool header = p < 2;
        EXPECT_EQ(pages[p].find("Customer: City Net") != std::string::npos, header) << p;
        EXPECT_EQ(HasWord(pages[p], "Cable ID: C" + std::to_string(p)), header) << p;
    }
    EXPECT_TRUE(HasWord(pages[0], "C0/F2") && HasWord(pages[1], "C1/F3") && HasWord(pages[2], "C1/F4"));
    EXPECT_NE(pages[0].find("1490 Up/Down"), std::string::npos);

    // Embedded once for the whole document, not page by page: pdffonts lists
    // two heading lines, then one per font; after the encoding its columns
    // say embedded, subset, Unicode map.
    const std::string fonts = ToolOutput("pdffonts '" + path + "'");
    const std::regex embedded("Identity-H\\s+yes\\s+\\w+\\s+yes");
    std::istringstream listing(fonts);
    size_t lines = 0, good = 0;
    for (std::string line; std::getline(listing, line);)
        if (++lines > 2)
            good += std::regex_search(line, embedded);
    EXPECT_GE(lines, 3u) << fonts;
    EXPECT_LE(lines - 2, 4u) << fonts; // regular and bold Liberation Sans
    EXPECT_EQ(good, lines - 2) << fonts;
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
