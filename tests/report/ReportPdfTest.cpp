#include "ReportPdf.h"
#include "CReportPrinting.h"
#include "ReportStores.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

// The PDFs read back as a reader gets them, with poppler's tools (which the
// project's install script installs): the pages, what is printed on each,
// the paper, and the fonts embedded once.

namespace {
// The standard output of `command`; fails the test when it does not run.
QString RunTool(const QString& command)
{
    std::string out;
    FILE* pipe = popen((command + " 2>/dev/null").toLocal8Bit().constData(), "r");
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << command.toStdString();
        return QString();
    }
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    if (pclose(pipe) != 0)
        ADD_FAILURE() << command.toStdString()
                      << " failed: is poppler-utils installed (scripts/install-deps.sh)?";
    return QString::fromStdString(out);
}

struct WrittenPdf
{
    QTemporaryDir dir;
    QString path;
};

std::unique_ptr<WrittenPdf> WritePdf(CDataStore& store, ReportKind kind, const QPageSize& paper)
{
    auto pdf = std::make_unique<WrittenPdf>();
    pdf->path = pdf->dir.filePath("report.pdf");
    CReportPrinting job(store, kind);
    const ReportPdfResult result = ReportPdf(job, paper);
    EXPECT_EQ(result.result, PageLoopResult::Done);
    QFile file(pdf->path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(result.bytes) == result.bytes.size());
    return pdf;
}

QString Info(const WrittenPdf& pdf, const QString& key)
{
    const QRegularExpression line("^" + key + ":\\s*(.*)$", QRegularExpression::MultilineOption);
    return line.match(RunTool("pdfinfo '" + pdf.path + "'")).captured(1).trimmed();
}

QString PageText(const WrittenPdf& pdf, unsigned page)
{
    return RunTool(QString("pdftotext -layout -f %1 -l %1 '%2' -").arg(page).arg(pdf.path));
}
} // namespace

TEST(ReportPdfTest, EveryOpmReadingOnItsPage)
{
    CDataStore store;
    AddOpmReadings(store, 50); // 24 + 24 + 2
    const auto pdf = WritePdf(store, ReportKind::Opm, QPageSize(QPageSize::A4));
    EXPECT_EQ(Info(*pdf, "Pages"), "3");
    EXPECT_EQ(Info(*pdf, "Title"), "OPM Report");
    EXPECT_TRUE(Info(*pdf, "Page size").contains("(A4)"));
    for (unsigned page = 1; page <= 3; ++page) {
        const QString text = PageText(*pdf, page);
        EXPECT_TRUE(text.contains("WaveLength") && text.contains("Reference")) << page;
        for (int i = 1; i <= 50; ++i) {
            const bool here = (i - 1) / 24 + 1 == static_cast<int>(page);
            EXPECT_EQ(text.contains(QRegularExpression(QString("\\bF%1\\b").arg(i))), here)
                << "F" << i << " on page " << page;
        }
    }
}

TEST(ReportPdfTest, EveryCableWithItsHeaderAndEveryFibreOnItsPage)
{
    CDataStore store;
    AddGroups(store, 3, {3, 12}); // pages: 1, then 4 + 8
    store.m_InfoFields.Customer = "City Net";
    const auto pdf = WritePdf(store, ReportKind::Kav3, QPageSize(QPageSize::Letter));
    EXPECT_EQ(Info(*pdf, "Pages"), "3");
    EXPECT_EQ(Info(*pdf, "Title"), "KAV Report");
    EXPECT_TRUE(Info(*pdf, "Page size").contains("letter"));
    const QString first = PageText(*pdf, 1), second = PageText(*pdf, 2), third = PageText(*pdf, 3);
    for (const QString& page : {first, second}) {
        EXPECT_TRUE(page.contains("KAV Report") && page.contains("CorvantaTech"));
        EXPECT_TRUE(page.contains("Customer: City Net"));
        EXPECT_TRUE(page.contains("Fiber ID") && page.contains("(dBm)"));
    }
    EXPECT_TRUE(first.contains(QRegularExpression("Cable ID: C0\\b")));
    EXPECT_TRUE(second.contains(QRegularExpression("Cable ID: C1\\b")));
    EXPECT_FALSE(third.contains("Cable ID"));
    EXPECT_TRUE(third.contains("Fiber ID"));
    const auto onPage = [](const QString& text, const QString& fiber) {
        return text.contains(QRegularExpression("\\b" + QRegularExpression::escape(fiber) + "\\b"));
    };
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(onPage(first, QString("C0/F%1").arg(i)));
    for (int i = 0; i < 12; ++i)
        EXPECT_TRUE(onPage(i < 4 ? second : third, QString("C1/F%1").arg(i))) << i;
    EXPECT_TRUE(first.contains("1490 Up/Down") && first.contains("(10/03/2026 08:00:00 AM)"));
}

TEST(ReportPdfTest, FontsAreEmbeddedOnceForTheWholeDocument)
{
    CDataStore store;
    AddGroups(store, 2, std::vector<int>(40, 2));
    const auto pdf = WritePdf(store, ReportKind::Kav2, QPageSize(QPageSize::A4));
    EXPECT_EQ(Info(*pdf, "Pages"), "40");
    // pdffonts: two heading lines, then one line per font object.
    const QStringList fonts = RunTool("pdffonts '" + pdf->path + "'").split('\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    EXPECT_LE(fonts.size(), 4) << fonts.join('\n').toStdString(); // Liberation Sans, regular and bold
    // The columns after the encoding: embedded, subset, Unicode map.
    for (const QString& font : fonts)
        EXPECT_TRUE(font.contains(QRegularExpression("Identity-H\\s+yes\\s+\\w+\\s+yes")))
            << "not embedded with its Unicode map: " << font.toStdString();
}

TEST(ReportPdfTest, PaperByNameAndByLocale)
{
    EXPECT_EQ(ReportPaperNamed("a4")->id(), QPageSize::A4);
    EXPECT_EQ(ReportPaperNamed("LETTER")->id(), QPageSize::Letter);
    EXPECT_FALSE(ReportPaperNamed("A3").has_value());
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(DefaultReportPaper().id(), QPageSize::Letter);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(DefaultReportPaper().id(), QPageSize::A4);
    QLocale::setDefault(previous);
}
