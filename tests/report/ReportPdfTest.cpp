#include "ReportPdf.h"
#include "CReportPrinting.h"
#include "PdfReading.h"
#include "ReportStores.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

// The PDF of a loss-test report read back: its pages, what each holds, the
// paper, and the fonts embedded once for the whole document.

namespace {
struct WrittenPdf
{
    QTemporaryDir dir;
    std::string path = dir.filePath("report.pdf").toStdString();
};

std::unique_ptr<WrittenPdf> WritePdf(CDataStore& store, ReportKind kind, const QPageSize& paper)
{
    auto pdf = std::make_unique<WrittenPdf>();
    CReportPrinting job(store, kind);
    const ReportPdfResult result = ReportPdf(job, paper);
    EXPECT_EQ(result.result, PageLoopResult::Done);
    QFile file(QString::fromStdString(pdf->path));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(result.bytes) == result.bytes.size());
    return pdf;
}
} // namespace

TEST(ReportPdfTest, EveryCableWithItsHeaderAndEveryFibreOnItsPage)
{
    CDataStore store;
    AddGroups(store, 3, {3, 12}); // pages: 1, then 4 + 8
    store.m_InfoFields.Customer = "City Net";
    const auto pdf = WritePdf(store, ReportKind::Kav3, QPageSize(QPageSize::Letter));
    EXPECT_EQ(PdfPages(pdf->path), 3);
    EXPECT_EQ(PdfInfo(pdf->path, "Title"), "KAV Report");
    EXPECT_NE(PdfInfo(pdf->path, "Page size").find("letter"), std::string::npos);
    const std::string pages[] = {PdfText(pdf->path, 1), PdfText(pdf->path, 2), PdfText(pdf->path, 3)};
    for (int p = 0; p < 3; ++p) {
        EXPECT_NE(pages[p].find("Fiber ID"), std::string::npos) << p;
        const bool header = p < 2;
        EXPECT_EQ(pages[p].find("Customer: City Net") != std::string::npos, header) << p;
        EXPECT_EQ(HasWord(pages[p], "Cable ID: C" + std::to_string(p)), header) << p;
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(HasWord(pages[0], "C0/F" + std::to_string(i)));
    for (int i = 0; i < 12; ++i)
        EXPECT_TRUE(HasWord(pages[i < 4 ? 1 : 2], "C1/F" + std::to_string(i))) << i;
    EXPECT_NE(pages[0].find("1490 Up/Down"), std::string::npos);
}

TEST(ReportPdfTest, FontsAreEmbeddedOnceForTheWholeDocument)
{
    CDataStore store;
    AddGroups(store, 2, std::vector<int>(40, 2));
    const auto pdf = WritePdf(store, ReportKind::Kav2, QPageSize(QPageSize::A4));
    EXPECT_EQ(PdfPages(pdf->path), 40);
    // pdffonts: two heading lines, then one per font; after the encoding the
    // columns say embedded, subset, Unicode map.
    const std::string fonts = ToolOutput("pdffonts '" + pdf->path + "'");
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
