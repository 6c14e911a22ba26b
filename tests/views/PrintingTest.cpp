#include "tests/report/ReportStores.h"
#include "tests/support/PdfReading.h"
#include "tests/views/ViewTestSupport.h"
#include "views/CPrintPreview.h"
#include "views/CWindowPrinter.h"
#include "views/Tabs.h"

#include <QFileInfo>
#include <QPrinter>
#include <QRegularExpression>

// Print, Print View, Print Setup and Export PDF on each tab, answered by
// script; what is printed is read back from the PDF the print went to.
class PrintingTest : public QObject
{
    Q_OBJECT

private:
    static int PageCount(const QString& pdf) { return PdfPages(pdf.toStdString()); }
    static QString Text(const QString& pdf) { return QString::fromStdString(PdfText(pdf.toStdString())); }

private slots:
    // Print offers the report's pages and prints those chosen, telling its
    // progress; Export PDF writes on the paper of the print setup (and what
    // Print prints: the next test).
    void printAndExportGiveTheReportsPages()
    {
        // Printed and exported at the same time of printing.
        qputenv("SOURCE_DATE_EPOCH", "1714650000");
        ViewFixture f;
        AddOpmReadings(f.store, 50); // 3 pages
        const QString printed = f.Path("printed.pdf");
        f.prompts.QueuePrintToFile(printed);
        f.Run(CommandId::FilePrint, TabOpm);
        const auto dialogs = AskedOf(f.prompts, ScriptedPrompts::Kind::PrintDialog);
        QCOMPARE(dialogs.size(), size_t(1));
        QCOMPARE(dialogs[0].minPage, 1);
        QCOMPARE(dialogs[0].maxPage, 3);
        QCOMPARE(PageCount(printed), 3);
        QCOMPARE(f.prompts.ProgressSteps(), (std::vector<int>{1, 2, 3}));

        // Page 2 only: readings 25 to 48.
        f.prompts.QueuePrintToFile(f.Path("page2.pdf"), 2, 2);
        f.Run(CommandId::FilePrint, TabOpm);
        QCOMPARE(PageCount(f.Path("page2.pdf")), 1);
        const QString page2 = Text(f.Path("page2.pdf"));
        for (const int reading : {24, 25, 48, 49}) {
            QCOMPARE(page2.contains(QRegularExpression(QString("\\bF%1\\b").arg(reading))),
                     reading >= 25 && reading <= 48);
        }

        // Print setup, on any tab, chooses the paper of the next export.
        f.prompts.QueuePageSetup(QPageSize(QPageSize::Letter), QPageLayout::Landscape);
        f.Run(CommandId::FilePrintSetup, TabTrace);
        f.prompts.QueueFile(f.Path("wide.pdf"));
        f.Run(CommandId::FileExportPdf, TabOpm);
        const std::string size = PdfInfo(f.Path("wide.pdf").toStdString(), "Page size");
        QVERIFY2(size.rfind("792 x 612", 0) == 0, size.c_str());
        QVERIFY(f.prompts.Unexpected().empty());
        qunsetenv("SOURCE_DATE_EPOCH");
    }

    // Paper, preview and PDF place every page the same way: a print has the
    // PDF's quarter-inch margins where the printer can print there.
    void printAndExportPlacePageOneAlike()
    {
        qputenv("SOURCE_DATE_EPOCH", "1714650000");
        ViewFixture f;
        AddGroups(f.store, 3, {2, 2});
        f.prompts.QueuePageSetup(QPageSize(QPageSize::A4), QPageLayout::Portrait);
        f.Run(CommandId::FilePrintSetup, TabKav);
        f.prompts.QueuePrintToFile(f.Path("printed.pdf"));
        f.Run(CommandId::FilePrint, TabKav);
        f.prompts.QueueFile(f.Path("exported.pdf"));
        f.Run(CommandId::FileExportPdf, TabKav);
        qunsetenv("SOURCE_DATE_EPOCH");
        const std::vector<PdfWord> printed = PdfWords(f.Path("printed.pdf").toStdString(), 1);
        const std::vector<PdfWord> exported = PdfWords(f.Path("exported.pdf").toStdString(), 1);
        QVERIFY(printed.size() > 100);
        QCOMPARE(printed.size(), exported.size());
        for (size_t i = 0; i < printed.size(); ++i) {
            QCOMPARE(printed[i].text, exported[i].text);
            // The printer's 1200 dots an inch round a little otherwise than
            // the PDF's 600.
            QVERIFY2(qAbs(printed[i].xMin - exported[i].xMin) < 0.1 &&
                         qAbs(printed[i].yMin - exported[i].yMin) < 0.1,
                     printed[i].text.c_str());
        }
        QCOMPARE(printed.front().text, std::string("Certification")); // the summary leads
        QVERIFY(qAbs(printed.front().xMin - 0.25 * 72 - 80 * 72.0 / 110) < 1.0);
    }

    // A cancelled dialog prints and writes nothing, and a PDF or workbook
    // export cancelled half way leaves the file that was there; before a loss-test
    // file the KAV tab has no report to print, preview or export.
    void cancelsAndEmptyReportsWriteNothing()
    {
        ViewFixture f;
        AddOpmReadings(f.store, 30);
        f.prompts.QueueCancel();
        f.Run(CommandId::FilePrint, TabOpm);
        QVERIFY(f.prompts.ProgressSteps().empty());

        const QString target = f.Path("report.pdf");
        WriteFile(target, "old");
        f.prompts.QueueFile(target);
        f.prompts.QueueProgressCancel(1);
        f.Run(CommandId::FileExportPdf, TabOpm);
        QCOMPARE(f.prompts.ProgressSteps(), std::vector<int>{1});
        QCOMPARE(ReadFile(target), QByteArray("old"));
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList{"report.pdf"});
        // So does a workbook stopped after its sheet.
        const QString workbook = f.Path("readings.xlsx");
        WriteFile(workbook, "old");
        f.prompts.Clear();
        f.prompts.QueueFile(workbook);
        f.prompts.QueueProgressCancel(100);
        f.Run(CommandId::FileSaveAsExcel, TabOpm);
        QCOMPARE(f.prompts.ProgressSteps(), (std::vector<int>{0, 100}));
        QCOMPARE(ReadFile(workbook), QByteArray("old"));
        QCOMPARE(f.prompts.MessageTexts(), QStringList());
        QVERIFY(f.prompts.Unexpected().empty());

        for (const CommandId id :
             {CommandId::FilePrint, CommandId::FilePrintPreview, CommandId::FileExportPdf}) {
            f.prompts.Clear();
            f.Run(id, TabKav);
            QCOMPARE(f.prompts.MessageTexts(), QStringList{"No Data"});
            QCOMPARE(f.prompts.Asked().size(), size_t(1));
            QCOMPARE(f.view.Preview(), nullptr);
        }
    }

    void thePreviewShowsOnePageAtATime()
    {
        ViewFixture f;
        AddGroups(f.store, 2, {2, 20}); // the summary, 1 page, then 3 + 13 + 4
        InfoFields typed;
        typed.CableId = "typed";
        f.view.SetInfoFields(typed);
        f.Run(CommandId::FilePrintPreview, TabKav);
        CPrintPreview* preview = f.view.Preview();
        QVERIFY(preview);
        QVERIFY(preview->isVisible());
        QCOMPARE(preview->PageCount(), 5u);
        QCOMPARE(preview->CurrentPage(), 1u);
        const QImage first = preview->PageImage();

        // Turning pages paints them and changes nothing.
        preview->NextPage();
        QCOMPARE(preview->CurrentPage(), 2u);
        QVERIFY(preview->PageImage() != first);
        QCOMPARE(f.store.GetInfoFields().CableId, std::string("typed"));
        preview->LastPage();
        QCOMPARE(preview->CurrentPage(), 5u);
        preview->NextPage();
        QCOMPARE(preview->CurrentPage(), 5u);

        const int fitted = preview->PageImage().width();
        preview->ZoomIn();
        QVERIFY(preview->PageImage().width() > fitted);

        // Print from the preview: the same report, the preview owns the dialog.
        f.prompts.QueuePrintToFile(f.Path("from-preview.pdf"));
        preview->Print();
        const auto dialogs = AskedOf(f.prompts, ScriptedPrompts::Kind::PrintDialog);
        QCOMPARE(dialogs.size(), size_t(1));
        QCOMPARE(dialogs[0].owner, static_cast<QWidget*>(preview));
        QCOMPARE(PageCount(f.Path("from-preview.pdf")), 5);

        // Where the print and the preview end, the Cable ID field keeps the
        // cable of the last page painted: the print's last; then the
        // preview's second page, the first cable's, shown before it closed.
        // The summary belongs to no cable and leaves the field as it was.
        QCOMPARE(f.store.GetInfoFields().CableId, std::string("C1"));
        preview->FirstPage();
        preview->NextPage();
        QCOMPARE(f.store.GetInfoFields().CableId, std::string("C1"));
        preview->close();
        QTRY_COMPARE(f.view.Preview(), nullptr);
        QCOMPARE(f.store.GetInfoFields().CableId, std::string("C0"));
    }

    void theTraceTabsPrintTheirPicture()
    {
        ViewFixture f;
        // In the orientation print setup chose.
        f.prompts.QueuePageSetup(QPageSize(QPageSize::A4), QPageLayout::Landscape);
        f.Run(CommandId::FilePrintSetup, TabTrace);
        for (const CommandId id : {CommandId::FilePrint, CommandId::FilePrintPreview}) {
            f.prompts.Clear();
            const QString pdf = f.Path(QString("picture%1.pdf").arg(int(id)));
            f.prompts.QueuePrintToFile(pdf);
            f.Run(id, TabTrace);
            const auto dialogs = AskedOf(f.prompts, ScriptedPrompts::Kind::PrintDialog);
            QCOMPARE(dialogs.size(), size_t(1));
            QCOMPARE(dialogs[0].maxPage, 0); // a picture has no pages to choose
            QCOMPARE(PageCount(pdf), 1);
            const std::string size = PdfInfo(pdf.toStdString(), "Page size");
            QVERIFY2(size.rfind("842 x 595", 0) == 0, size.c_str());
            QCOMPARE(f.view.Preview(), nullptr);
        }
        // A printer that cannot take the picture: the error, nothing printed.
        f.prompts.Clear();
        f.prompts.QueuePrintToFile(f.Path("no/such/folder/picture.pdf"));
        f.Run(CommandId::FilePrint, TabAutoTrace);
        QCOMPARE(f.prompts.MessageTexts(), QStringList{QString::fromUtf8("无法打印指定屏幕!")});
        // Cancelling the dialog says nothing.
        f.prompts.Clear();
        f.prompts.QueueCancel();
        f.Run(CommandId::FilePrint, TabTrace);
        QVERIFY(f.prompts.MessageTexts().isEmpty());
    }

    void pictureScaleRules()
    {
        // A 1000 x 600 window on a 1920 x 1080 screen, a portrait page of
        // 4800 x 6300 pixels (8 x 10.5 inches at 600 dots per inch).
        const QSize screen(1920, 1080), window(1000, 600), page(4800, 6300);
        // Fitted: the page's width, the window's aspect.
        QCOMPARE(CWindowPrinter::PictureSize(screen, window, page, true), QSize(4800, 4800 * 600 / 1000));
        // Not fitted: the screen's width across the page's, and the same
        // pixels-per-pixel down.
        QCOMPARE(CWindowPrinter::PictureSize(screen, window, page, false),
                 QSize(4800 * 1000 / 1920, 4800 * 600 / 1920));
        // A window as tall as the screen and narrow, fitted: the page's height
        // bounds it.
        const QSize tall = CWindowPrinter::PictureSize(screen, QSize(200, 1080), QSize(6300, 4800), true);
        QCOMPARE(tall.height(), 4800);
        QVERIFY(qAbs(tall.width() - 4800 * 200 / 1080) <= 1);
        QCOMPARE(CWindowPrinter::PictureSize(screen, QSize(), page, true), QSize());
    }
};

QTEST_MAIN(PrintingTest)
#include "PrintingTest.moc"
