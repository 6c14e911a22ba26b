#include "data/CsvExport.h"
#include "data/FileLoading.h"
#include "data/LimitFile.h"
#include "grid/GridCtrl.h"
#include "report/Translations.h"
#include "tests/support/PdfReading.h"
#include "tests/views/ViewTestSupport.h"
#include "tools/make-samples/SampleSet.h"
#include "views/CKavGridPage.h"
#include "views/CTestLimitsDlg.h"
#include "views/CableCountsModel.h"
#include "views/Tabs.h"
#include "views/VerdictSummaryLine.h"
#include "workbook/Workbook.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextDocumentFragment>
#include <QTranslator>

// Certification in the window: the summary line above the KAV table, the
// loss cells coloured by verdict, the Limit, Margin and Result columns with what a
// copy and the CSV then carry, the worst margin's link, the report's summary
// page with the window's limit, and the Test Limits dialog's round trip
// through a limit file.
//
// The file: 40 three-wavelength records, cables C1 (F0-F19) and C2
// (F20-F39), every loss 1.00 dB against a threshold of 2.00, but F2's 1310
// A->B of 1.80 and F35's 1550 B->A of 1.60. Against fixed limits of 2.00 at
// 1310 and 1.50 at 1550 nm with a band of 0.30: F2 warns (0.20), F35 fails
// (-0.10), 1490 nm is not certified.
class CertificationTest : public QObject
{
    Q_OBJECT

    // English too has its own file for the forms a count takes.
    QTranslator m_English;

private:
    static constexpr int Records = 40;
    static constexpr int WarnRow = 1 + 3 * 2;      // F2 at 1310 nm
    static constexpr int FailRow = 1 + 3 * 35 + 2; // F35 at 1550 nm

    static std::string FileBytes()
    {
        std::vector<LossTestResult> results;
        for (int k = 0; k < Records; ++k) {
            LossTestResult r;
            r.cable = k < 20 ? "C1" : "C2";
            r.fiber = "F" + std::to_string(k);
            for (int i = 0; i < 3; ++i) {
                r.lossAB[i] = r.lossBA[i] = 1.0f;
                r.threshold[i] = 2.0f;
                r.length[i] = 1.5f;
            }
            r.stamp = MakeStamp(2026, 3, 10, 8, k % 60, 0);
            results.push_back(r);
        }
        results[2].lossAB[0] = 1.8f;
        results[35].lossBA[2] = 1.6f;
        return EncodeKavResult(ThreeWaveLengths, results);
    }

    static TestLimits Contract()
    {
        TestLimits limits;
        limits.method = LimitMethod::Fixed;
        limits.fixed = {{1310, Figure("2.0")}, {1550, Figure("1.5")}};
        limits.warningBand = Figure("0.3");
        return limits;
    }

    static void Open(ViewFixture& f)
    {
        WriteFile(f.Path("contract.bin"), QByteArray::fromStdString(FileBytes()));
        f.Open(TabKav, f.Path("contract.bin"));
    }

    static CKavGridPage& Page(const ViewFixture& f) { return *f.view.KavPage(); }
    static CGridCtrl& Grid(const ViewFixture& f) { return *f.view.KavPage()->Grid(); }

    static QString Plain(const QLabel* label)
    {
        return QTextDocumentFragment::fromHtml(label->text()).toPlainText();
    }

    static QRgb Background(const CGridCtrl& grid, int row, int col)
    {
        GridItem item;
        item.row = row;
        item.col = col;
        item.mask = ItemMask::BkColour;
        grid.GetItem(item);
        return item.bkColour;
    }

    // The colour painted just inside the cell's top-left corner, `inset`
    // pixels in.
    static QRgb PaintedAt(CGridCtrl& grid, int row, int col, int inset)
    {
        QRect rect;
        grid.GetCellRect(row, col, rect);
        return grid.viewport()->grab().toImage().pixel(rect.topLeft() + QPoint(inset, inset)) & 0xFFFFFF;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(LoadTranslations(m_English, "en", KAV_TRANSLATIONS_DIR));
        QCoreApplication::installTranslator(&m_English);
    }

    // The line sums up the verdicts against the limit in force; each loss
    // cell shows its verdict, failed red and warning amber, also while it
    // is selected, where the selection frames it.
    void theSummaryLineAndTheColoursFollowTheLimit()
    {
        ViewFixture f;
        QVERIFY(f.view.SelectTab(TabKav));
        QVERIFY(Page(f).SummaryLine()->isHidden()); // nothing to sum up yet
        Open(f);
        const VerdictSummaryLine& line = *Page(f).SummaryLine();
        QVERIFY(line.isVisible());
        QCOMPARE(line.geometry().bottom() < Grid(f).geometry().top(), true);
        // Every record's own threshold of 2.00: all pass, F2 closest.
        QCOMPARE(line.Counts()->text(), QString("40 fibres: 40 passed, 0 warnings, 0 failed, 0 incomplete"));
        QVERIFY(line.NotCertified()->isHidden());
        QCOMPARE(Plain(line.WorstMargin()), QString("Worst margin 0.20 dB: C1 F2, 1310 nm A->B"));
        QCOMPARE(line.Limit()->text(), QString("Limit: instrument"));
        QCOMPARE(Background(Grid(f), WarnRow, 3), DefaultColour);
        QCOMPARE(Grid(f).GetItemText(0, 11), QString("Pass\n/Fail"));

        Page(f).SetLimits(Contract());
        // The instrument's own verdict stays, titled as its.
        QCOMPARE(Grid(f).GetItemText(0, 11), QString("Instrument\nP/F"));
        QCOMPARE(line.Counts()->text(), QString("40 fibres: 38 passed, 1 warning, 1 failed, 0 incomplete"));
        QVERIFY(line.NotCertified()->isVisible());
        QCOMPARE(line.NotCertified()->text(), QString("Not certified: 1490 nm"));
        QCOMPARE(Plain(line.WorstMargin()), QString("Worst margin -0.10 dB: C2 F35, 1550 nm B->A"));
        QCOMPARE(line.Limit()->text(), QString("Limit: fixed"));
        CGridCtrl& grid = Grid(f);
        const QRgb amber = VerdictColour(Verdict::Warning), red = VerdictColour(Verdict::Fail);
        QCOMPARE(Background(grid, WarnRow, 3), amber); // Loss AB
        QCOMPARE(Background(grid, WarnRow, 4), DefaultColour);
        QCOMPARE(Background(grid, FailRow, 4), red); // Loss BA
        QCOMPARE(Background(grid, FailRow, 3), DefaultColour);
        QCOMPARE(Background(grid, FailRow - 1, 4), DefaultColour); // 1490: not certified
        QVERIFY(qRed(red) > 200 && qGreen(red) < 200 && qBlue(red) < 200);
        QVERIFY(qRed(amber) > 200 && qGreen(amber) > 180 && qBlue(amber) < 170);

        // As painted, and framed in the highlight colour when selected.
        QCOMPARE(PaintedAt(grid, WarnRow, 3, 4), amber & 0xFFFFFF);
        grid.SetSelectedRange({WarnRow, 1, WarnRow, 16});
        QCOMPARE(PaintedAt(grid, WarnRow, 3, 4), amber & 0xFFFFFF);
        const QRgb highlight = grid.palette().color(QPalette::Highlight).rgb() & 0xFFFFFF;
        QCOMPARE(PaintedAt(grid, WarnRow, 3, 0), highlight);
        QCOMPARE(PaintedAt(grid, WarnRow, 5, 4), highlight);
    }

    // Off by default; turned on, the three columns follow Wavelength in the
    // table and its copy, on screen at the window's size, and follow the 17
    // in Save As CSV; the table keeps its place and its colours; turned off,
    // all three are as before.
    void theLimitAndMarginColumnsInTheTableItsCopyAndItsCsv()
    {
        ViewFixture f;
        Open(f);
        CKavGridPage& page = Page(f);
        page.SetLimits(Contract());
        CGridCtrl& grid = Grid(f);
        QVERIFY(!page.LimitColumnsShown());
        QCOMPARE(grid.GetColumnCount(), 17);
        const QByteArray plainCsv = QByteArray::fromStdString(KavCsvBytes(f.store));
        grid.OnVScroll(GridScroll::PageDown);
        const int top = grid.GetTopleftNonFixedCell().row;

        page.ShowLimitColumns(true);
        QCOMPARE(grid.GetColumnCount(), 20);
        QCOMPARE(grid.GetTopleftNonFixedCell().row, top);
        QCOMPARE(grid.GetItemText(0, 2), QString("Wavelength\n(nm)"));
        QCOMPARE(grid.GetItemText(0, 3), QString("Limit\n(dB)"));
        QCOMPARE(grid.GetItemText(0, 4), QString("Margin\n(dB)"));
        QCOMPARE(grid.GetItemText(0, 5), QString("Result"));
        QCOMPARE(grid.GetItemText(0, 6), QString("Loss AB\n(dB)"));
        QCOMPARE(page.ColumnOf(LimitColumn::Result), 5);
        QCOMPARE(page.ColumnOf(KavColumn::LossBA), 7);
        QCOMPARE(Background(grid, FailRow, 7), VerdictColour(Verdict::Fail));
        QCOMPARE(Background(grid, FailRow, 6), DefaultColour);
        grid.ResetHorizontalScroll();
        QVERIFY(grid.IsCellVisible(top, 5));
        grid.setFocus();
        grid.SetSelectedRange({FailRow - 2, 3, FailRow, 5});
        QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
        // 1310: 2.00 - 1.00, above the band of 0.30; 1490: no limit; 1550:
        // 1.50 - 1.60 (B->A, the smaller).
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString("Limit (dB)\tMargin (dB)\tResult\n2.00\t1.00\tPass\nN/A\tN/A\tNot "
                         "certified\n1.50\t-0.10\tFail"));

        f.prompts.QueueFile(f.Path("with.csv"));
        f.Run(CommandId::FileSaveAsCsv, TabKav);
        const QList<QByteArray> with = ReadFile(f.Path("with.csv")).split('\n');
        const QList<QByteArray> plain = plainCsv.split('\n');
        QCOMPARE(with.size(), plain.size());
        QCOMPARE(with[0], plain[0].chopped(1) + ",Limit(dB),Margin(dB),Result\r");
        QCOMPARE(with[FailRow], plain[FailRow].chopped(1) + ",1.50,-0.10,Fail\r");
        QCOMPARE(with[FailRow - 1], plain[FailRow - 1].chopped(1) + ",N/A,N/A,Not certified\r");

        page.ShowLimitColumns(false);
        QCOMPARE(grid.GetColumnCount(), 17);
        QCOMPARE(grid.GetTopleftNonFixedCell().row, top);
        QCOMPARE(Background(grid, FailRow, 4), VerdictColour(Verdict::Fail));
        grid.SetSelectedRange({1, 0, 1, 16});
        QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text().split('\n').front().split('\t').size(), 17);
        f.prompts.QueueFile(f.Path("plain.csv"));
        f.Run(CommandId::FileSaveAsCsv, TabKav);
        QCOMPARE(ReadFile(f.Path("plain.csv")), plainCsv);
        QVERIFY(f.prompts.Unexpected().empty());
    }

    // A click on the worst margin selects its record, every row and column,
    // puts the focus on the loss that has it and brings it into view.
    void clickingTheWorstMarginSelectsItsRecord()
    {
        ViewFixture f(QSize(900, 400));
        Open(f);
        Page(f).SetLimits(Contract());
        CGridCtrl& grid = Grid(f);
        QVERIFY(!grid.IsCellVisible(FailRow, 4));
        QLabel* worst = Page(f).SummaryLine()->WorstMargin();
        QTest::mouseClick(worst, Qt::LeftButton, {}, QPoint(4, worst->height() / 2));
        QCOMPARE(grid.GetFocusCell().row, FailRow);
        QCOMPARE(grid.GetFocusCell().col, 4);
        QVERIFY(grid.IsCellVisible(FailRow, 4));
        QVERIFY(grid.IsCellVisible(FailRow - 2, 4));
        for (int row = FailRow - 3; row <= FailRow + 1; ++row)
            for (int col : {0, 5, 16})
                QCOMPARE(grid.IsCellSelected(row, col), row >= FailRow - 2 && row <= FailRow);
    }

    // Export PDF leads the report with the summary, and Save As Excel makes
    // the workbook, against the limit the table shows, not the instruments'
    // thresholds. (What the summary page says is the report's test.)
    void theReportAndTheWorkbookUseTheWindowsLimit()
    {
        ViewFixture f;
        Open(f);
        Page(f).SetLimits(Contract());
        f.prompts.QueueFile(f.Path("report.pdf"));
        f.Run(CommandId::FileExportPdf, TabKav);
        const std::string pdf = f.Path("report.pdf").toStdString();
        const std::string first = PdfText(pdf, 1);
        QVERIFY2(first.find("Certification Summary") != std::string::npos, first.c_str());
        QVERIFY2(first.find("Limit: fixed limits: 1310 nm 2.0 dB") != std::string::npos, first.c_str());
        QVERIFY2(std::regex_search(first, std::regex("C2\\s+F35\\s+-0.10\\s+1550\\s+B->A")), first.c_str());

        qputenv("SOURCE_DATE_EPOCH", "1700000000"); // the same moment, the same bytes
        f.prompts.QueueFile(f.Path("results.xlsx"));
        f.Run(CommandId::FileSaveAsExcel, TabKav);
        CDataStore store;
        QCOMPARE(LoadFile(f.Path("contract.bin").toStdString(), store).result, DecodeResult::Ok);
        const WorkbookOutcome contract = WorkbookBytes(store, RecordKind::Kav, {"contract.bin", Contract()});
        const WorkbookOutcome instrument = WorkbookBytes(store, RecordKind::Kav, {"contract.bin", {}});
        qunsetenv("SOURCE_DATE_EPOCH");
        QVERIFY(contract.bytes && instrument.bytes);
        QVERIFY(*contract.bytes != *instrument.bytes);
        QCOMPARE(ReadFile(f.Path("results.xlsx")), QByteArray::fromStdString(*contract.bytes));
    }

    // What the dialog holds is saved as a limit file and opened again as it
    // was, cable figures it does not show included; a refused file and a
    // figure that is no number are told, naming what is wrong, and change
    // nothing.
    void theTestLimitsDialogsRoundTripThroughALimitFile()
    {
        ScriptedPrompts prompts;
        QTemporaryDir dir;
        CTestLimitsDlg dialog(TestLimits{}, {"C1", "C2"}, {1310, 1490, 1550});
        // Within a 960 x 500 screen (logical pixels, any scale) with its frame.
        QVERIFY2(
            dialog.sizeHint().width() <= 960 && dialog.sizeHint().height() <= 500 - 40,
            qPrintable(QString("%1 x %2").arg(dialog.sizeHint().width()).arg(dialog.sizeHint().height())));
        dialog.Method()->setCurrentIndex(dialog.Method()->findData("budget"));
        dialog.Preset()->setCurrentIndex(dialog.Preset()->findData("tia-568.3-d-osp"));
        QCOMPARE(dialog.Attenuation(1310)->placeholderText(), QString("0.5")); // the preset's
        QCOMPARE(dialog.Attenuation(1490)->placeholderText(), QString());
        // The preset does not certify 1490 nm: said, and its field marked,
        // until it has a figure.
        QVERIFY(!dialog.Warning()->isHidden());
        QVERIFY2(dialog.Warning()->text().startsWith("Not certified: 1490 nm."),
                 qPrintable(dialog.Warning()->text()));
        QVERIFY(!dialog.Attenuation(1490)->styleSheet().isEmpty());
        dialog.Attenuation(1490)->setText("0.35");
        QVERIFY(dialog.Warning()->isHidden());
        dialog.SpliceLoss()->setText("0,2");
        dialog.Connections()->setValue(2);
        dialog.Splices()->setValue(1);
        dialog.WarningBand()->setText("0.3");
        CableCountsModel& counts = *dialog.CableCounts();
        QVERIFY(counts.setData(counts.IndexOf("C2", CableCountsModel::ConnectionsColumn), 4, Qt::EditRole));
        TestLimits expected;
        expected.method = LimitMethod::Budget;
        expected.preset = "tia-568.3-d-osp";
        expected.attenuation = {{1490, Figure("0.35")}};
        expected.spliceLoss = Figure("0.2");
        expected.connections = 2;
        expected.splices = 1;
        expected.warningBand = Figure("0.3");
        expected.cables["C2"].connections = 4;
        QVERIFY(dialog.Limits() == expected);

        prompts.QueueFile(dir.filePath("contract")); // the ending is added
        dialog.SaveButton()->click();
        const LimitFileResult saved = ReadLimitFile(dir.filePath("contract.kavlimits").toStdString());
        QVERIFY2(saved.limits.has_value(), saved.error.c_str());
        QVERIFY(*saved.limits == expected);

        CTestLimitsDlg reopened(TestLimits{}, {}, {});
        prompts.QueueFile(dir.filePath("contract.kavlimits"));
        reopened.OpenButton()->click();
        QVERIFY(reopened.Limits() == expected);
        QCOMPARE(reopened.CableCounts()->Count("C2", CableCountsModel::ConnectionsColumn),
                 4); // one the limit names

        // A limit file with figures per cable that the dialog keeps as they are.
        const QString contract = SourcePath("tests/cli/limits/kav-three-wavelengths.kavlimits");
        prompts.QueueFile(contract);
        reopened.OpenButton()->click();
        QVERIFY(reopened.Limits() == ReadLimitFile(contract.toStdString()).limits);
        // A cable the limit names that the file has not is told.
        TestLimits elsewhere = expected;
        elsewhere.cables["C9"].splices = 1;
        dialog.Load(elsewhere);
        QCOMPARE(dialog.Warning()->text(), QString("No cable of the file is named \u201CC9\u201D."));

        WriteFile(dir.filePath("bad.kavlimits"), R"({"method": "budget", "splices": -1})");
        prompts.Clear();
        prompts.QueueFile(dir.filePath("bad.kavlimits"));
        reopened.OpenButton()->click();
        QCOMPARE(prompts.MessageTexts().size(), 1);
        QVERIFY2(prompts.Asked().back().detail.contains("key splices"),
                 qPrintable(prompts.Asked().back().detail));
        QVERIFY(reopened.Limits() == ReadLimitFile(contract.toStdString()).limits);

        prompts.Clear();
        reopened.WarningBand()->setText("much");
        reopened.show();
        reopened.accept();
        QVERIFY(reopened.isVisible());
        QCOMPARE(prompts.MessageTexts(), QStringList{"Please correct the test limits."});
        QVERIFY(prompts.Asked().back().detail.contains("Warning band"));
        QVERIFY(prompts.Unexpected().empty());
    }
};

QTEST_MAIN(CertificationTest)
#include "CertificationTest.moc"
