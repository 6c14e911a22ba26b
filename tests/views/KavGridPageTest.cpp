#include "data/LimitFigure.h"
#include "grid/GridCtrl.h"
#include "platform/draw/TextFitting.h"
#include "tests/views/ViewTestSupport.h"
#include "tools/make-samples/SampleSet.h"
#include "views/CKavGridPage.h"
#include "views/Tabs.h"

#include <QClipboard>
#include <QDir>
#include <QFontMetricsF>
#include <QScrollBar>
#include <QTranslator>

#include <algorithm>

// The KAV tab's table through the real view and page: the rows, merges and
// texts of loss-test files made here, copying from it, the columns' widths,
// and what a tab change and a resize leave on screen.
class KavGridPageTest : public QObject
{
    Q_OBJECT

private:
    static CKavGridPage& Page(const ViewFixture& f) { return *f.view.KavPage(); }
    static CGridCtrl& Grid(const ViewFixture& f) { return *f.view.KavPage()->Grid(); }
    // Writes the bytes into a file of that name and opens it on the tab.
    static QString Open(ViewFixture& f, const QString& name, const std::string& bytes)
    {
        WriteFile(f.Path(name), QByteArray::fromStdString(bytes));
        f.Open(TabKav, f.Path(name));
        return f.Path(name);
    }

    static LossTestResult Result(const char* cable, const char* fiber, int minute)
    {
        LossTestResult r;
        r.cable = cable;
        r.fiber = fiber;
        for (int i = 0; i < 3; ++i) {
            r.lossAB[i] = r.lossBA[i] = 1.0f;
            r.refAB[i] = r.refBA[i] = -5.0f;
            r.threshold[i] = 2.0f;
            r.orlAB[i] = r.orlBA[i] = 45.0f;
        }
        r.length[2] = 1.5f;
        r.stamp = MakeStamp(2017, 6, 15, 14, minute, 9);
        return r;
    }

    static QStringList Row(const CGridCtrl& grid, int row, std::initializer_list<int> columns)
    {
        QStringList texts;
        for (int col : columns)
            texts << grid.GetItemText(row, col);
        return texts;
    }

private slots:
    // The rows, merges and texts of each file opened, also of one of no
    // records.
    void rowsMergesAndTextsFollowTheRecords()
    {
        ViewFixture f;
        QVERIFY(f.view.SelectTab(TabKav));
        QCOMPARE(Grid(f).GetRowCount(), 0); // no file yet: no title row either
        QCOMPARE(Grid(f).GetColumnCount(), 0);

        std::vector<LossTestResult> results{Result("C1", "F1", 1), Result("C1", "F2", 2),
                                            Result("C2", "F1", 3)};
        // Record 0 shows the value rules at work: an average, a loss out of
        // range, a verdict either way, the length of the last wavelength.
        const float lossAB[3] = {0.5f, 99.5f, 1.2f}, length[3] = {1.0f, 2.0f, 3.0f};
        std::copy(lossAB, lossAB + 3, results[0].lossAB);
        std::copy(length, length + 3, results[0].length);
        results[0].lossBA[0] = results[0].lossBA[1] = 0.7f;
        Open(f, "rules.bin", EncodeKavResult(ThreeWaveLengths, results));
        const CGridCtrl& grid = Grid(f);
        QCOMPARE(grid.GetRowCount(), 1 + 3 * int(results.size()));
        QCOMPARE(grid.GetColumnCount(), 17);
        QCOMPARE(grid.GetFixedRowCount(), 1);
        QCOMPARE(grid.GetFixedColumnCount(), 1);
        QCOMPARE(Row(grid, 0, {0, 2, 11, 16}),
                 QStringList({"Cable", "Wavelength\n(nm)", "Pass\n/Fail", "Time"}));
        QVERIFY(grid.GetRowHeight(0) >= 2 * grid.fontMetrics().height()); // the name over the unit
        QCOMPARE(grid.GetRowHeight(1), grid.GetDefaultRowHeight());
        for (int col : {0, 5, 16}) {
            QVERIFY(grid.GetItemFormat(0, col) == CentredWordWrap &&
                    grid.GetItemFormat(4, col) == CentredWordWrap);
        }

        // Cable, Fiber, Date and Time span a record's three rows; the rest
        // are a row each, Length repeated in every one.
        for (int col = 0; col < 17; ++col) {
            const bool recordWide = col == 0 || col == 1 || col == 15 || col == 16;
            QCOMPARE(grid.GetMergedRange(7, col), (CCellRange{7, col, recordWide ? 9 : 7, col}));
        }
        QCOMPARE(Row(grid, 7, {0, 1, 15, 16}), QStringList({"C2", "F1", "2017-06-15", "14:03:09"}));
        QCOMPARE(Row(grid, 1, {2}) + Row(grid, 2, {2}) + Row(grid, 3, {2}),
                 QStringList({"1310", "1490", "1550"}));

        // Loss AB, Loss BA, AVG L, Pass/Fail, Length.
        const std::initializer_list<int> rules = {3, 4, 5, 11, 12};
        QCOMPARE(Row(grid, 1, rules), QStringList({"0.50", "0.70", "0.60", "Pass", "3.000"}));
        QCOMPARE(Row(grid, 2, rules), QStringList({"N/A", "0.70", "0.70", "Fail", "3.000"}));

        // A two-wavelength file: two rows per record, at the first and last
        // wavelength of the header.
        Open(f, "two.bin", EncodeKavResult(TwoWaveLengths, results));
        QCOMPARE(grid.GetRowCount(), 1 + 2 * int(results.size()));
        QCOMPARE(grid.GetMergedRange(3, 1), (CCellRange{3, 1, 4, 1}));
        QCOMPARE(Row(grid, 1, {1, 2, 3}) + Row(grid, 2, {2, 3}),
                 QStringList({"F1", "1310", "0.50", "1550", "1.20"}));
        Open(f, "empty.bin", EncodeKavResult(ThreeWaveLengths, {}));
        QCOMPARE(Grid(f).GetRowCount(), 0);
    }

    // Cable (111 pixels) and Pass/Fail (51) lose 8 at most in a narrow
    // window; the rest of the table is a sideways scroll away. (How the
    // columns fill a wider one is the resize test's.)
    void columnsNeverGetCramped()
    {
        ViewFixture narrow(QSize(500, 300));
        Open(narrow, "one.bin", EncodeKavResult(ThreeWaveLengths, {Result("C1", "F1", 1)}));
        const CGridCtrl& grid = Grid(narrow);
        QCOMPARE(grid.GetColumnWidth(0), 111 - 8);
        QCOMPARE(grid.GetColumnWidth(11), 51 - 8);
        QVERIFY(grid.horizontalScrollBar()->maximum() > 0);
    }

    // "Wavelength (nm)" and "Threshold (dB)" are drawn whole, a word a line,
    // also in the heavier face of the focus's column and with the limit's
    // columns narrowing the table at the window's size; ctest runs this at
    // 150 % and 200 % too (QT_SCALE_FACTOR).
    void titlesAreWholeAtEveryScale()
    {
        ViewFixture f;
        Open(f, "one.bin", EncodeKavResult(ThreeWaveLengths, {Result("C1", "F1", 1)}));
        TestLimits limits;
        limits.method = LimitMethod::Fixed;
        limits.fixed = {{1310, Figure("2.0")}};
        Page(f).SetLimits(limits);
        Page(f).ShowLimitColumns(true);
        const CGridCtrl& grid = Grid(f);
        QVERIFY(grid.horizontalScrollBar()->maximum() > 0); // narrowed
        QFont heavy = grid.font();
        heavy.setWeight(QFont::DemiBold);
        for (const KavColumn column : {KavColumn::WaveLength, KavColumn::Threshold}) {
            const int col = Page(f).ColumnOf(column);
            const QString title = grid.GetItemText(0, col);
            // Where the grid draws a title: inside the cell's edges and margins.
            const int width = grid.GetColumnWidth(col) - 2 * (1 + grid.GetMargin());
            for (const QFont& font : {grid.font(), heavy}) {
                const QFontMetricsF metrics(font, grid.viewport());
                const QStringList lines = EditControlLines(title, metrics, width);
                QVERIFY2(lines == title.split('\n'),
                         qPrintable(lines.join('|') + " in weight " + QString::number(font.weight())));
                QVERIFY(lines.size() * metrics.height() <= grid.GetRowHeight(0) - 2 + 0.5);
            }
        }
    }

    // A file cut after 12 of its 50 records shows the 12, and then says so,
    // in the window's language.
    void aShortFileShowsItsWholeRecordsAndSaysSo()
    {
        ViewFixture f;
        std::vector<LossTestResult> results;
        for (int i = 0; i < 50; ++i)
            results.push_back(Result("C1", "F", i));
        const std::string whole = EncodeKavResult(ThreeWaveLengths, results);
        const QString path = Open(f, "short.bin", whole.substr(0, 32 + 12 * 136 + 100));
        QCOMPARE(Grid(f).GetRowCount(), 1 + 3 * 12);
        QCOMPARE(Grid(f).GetItemText(36, 16), QString("14:11:09"));
        QCOMPARE(f.prompts.MessageTexts(),
                 QStringList({"The file ends after 12 of 50 records; the 12 are shown."}));
        QCOMPARE(f.prompts.Asked().back().detail, QDir::toNativeSeparators(path));

        QTranslator chinese;
        QVERIFY(chinese.load("kav_zh_CN", KAV_TRANSLATIONS_DIR));
        QCoreApplication::installTranslator(&chinese);
        Open(f, "short.bin", whole.substr(0, 32 + 12 * 136 + 100));
        QCoreApplication::removeTranslator(&chinese);
        QCOMPARE(f.prompts.MessageTexts().back(),
                 QString("文件在 50 条记录中的第 12 条后结束；显示这 12 条。"));
    }

    // Ctrl+A takes every cell, Cable too; Ctrl+C gives the titles on one line
    // and then a line per wavelength that stands on its own. Typing changes
    // no cell: the table is for reading.
    void aCopyTakesTheTitlesAndEveryLinesCable()
    {
        ViewFixture f;
        Open(f, "two.bin", EncodeKavResult(TwoWaveLengths, {Result("C1", "F1", 1), Result("C2", "F7", 2)}));
        CGridCtrl& grid = Grid(f);
        grid.setFocus();
        QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], QString("Cable\tFiber\tWavelength (nm)\tLoss AB (dB)\tLoss BA (dB)\tAVG L (dB)\t"
                                   "REF AB (dBm)\tREF BA (dBm)\tThreshold (dB)\tPWR B (dBm)\tPWR A (dBm)\t"
                                   "Pass /Fail\tLength (km)\tORL AB (dB)\tORL BA (dB)\tDate\tTime"));
        // Cable, Fiber, Wavelength, Loss AB and Date of each line.
        const QStringList expected = {"C1 F1 1310 1.00 2017-06-15", "C1 F1 1550 1.00 2017-06-15",
                                      "C2 F7 1310 1.00 2017-06-15", "C2 F7 1550 1.00 2017-06-15"};
        for (int line = 0; line < 4; ++line) {
            const QStringList fields = lines[line + 1].split('\t');
            QCOMPARE(fields.size(), 17);
            QCOMPARE((fields.mid(0, 4) << fields[15]).join(' '), expected[line]);
        }

        grid.SetFocusCell(2, 3);
        for (const int key : {int(Qt::Key_Return), int(Qt::Key_Delete), int(Qt::Key_9)})
            QTest::keyClick(&grid, Qt::Key(key));
        QVERIFY(!grid.GetInPlaceEdit());
        QCOMPARE(grid.GetItemText(2, 3), QString("1.00"));
    }

    // A tab change and dragging the window's edge keep the table as the user
    // left it: the same grid, top row, horizontal position and selection,
    // with the columns fitted to the new width.
    void tabChangeAndResizeKeepThePlace()
    {
        ViewFixture f(QSize(700, 400));
        std::vector<LossTestResult> results;
        for (int i = 0; i < 40; ++i)
            results.push_back(Result(i < 20 ? "C1" : "C2", "F", i));
        Open(f, "forty.bin", EncodeKavResult(ThreeWaveLengths, results));
        CGridCtrl* const grid = Page(f).Grid();
        grid->SetSelectedRange({5, 2, 9, 4});
        grid->OnVScroll(GridScroll::PageDown);
        grid->OnHScroll(GridScroll::PageDown);
        const auto place = [grid] {
            return QString::asprintf("top %d left %d selected %d %d %d", grid->GetTopleftNonFixedCell().row,
                                     grid->horizontalScrollBar()->value(), grid->IsCellSelected(5, 2),
                                     grid->IsCellSelected(9, 4), grid->IsCellSelected(10, 4));
        };
        const QString before = place();
        QVERIFY(grid->GetTopleftNonFixedCell().row > 1);
        QVERIFY(grid->horizontalScrollBar()->value() > 0);

        QVERIFY(f.view.SelectTab(TabOpm));
        QVERIFY(f.view.SelectTab(TabKav));
        QCOMPARE(Page(f).Grid(), grid);
        QCOMPARE(place(), before);

        for (int step = 1; step <= 3; ++step) {
            f.view.resize(QSize(700 + 200 * step, 400 + 40 * step));
            QCOMPARE(Page(f).Grid(), grid);
            QCOMPARE(grid->geometry(), Page(f).rect().adjusted(0, 20, 0, 0));
            QCOMPARE(place().section(' ', 0, 1) + place().section(' ', 4),
                     before.section(' ', 0, 1) + before.section(' ', 4));
        }
        // The columns fill the new width, with no sideways scroll left.
        int total = 0;
        for (int col = 0; col < 17; ++col)
            total += grid->GetColumnWidth(col);
        QCOMPARE(total, grid->viewport()->width());
        QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);

        // A new file starts at its top.
        Open(f, "forty.bin", EncodeKavResult(ThreeWaveLengths, results));
        QCOMPARE(Page(f).Grid()->GetTopleftNonFixedCell().row, 1);
    }
};

QTEST_MAIN(KavGridPageTest)
#include "KavGridPageTest.moc"
