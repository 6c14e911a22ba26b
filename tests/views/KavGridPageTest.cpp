#include "grid/GridCtrl.h"
#include "tests/views/ViewTestSupport.h"
#include "tools/make-samples/SampleSet.h"
#include "views/CKavGridPage.h"
#include "views/Tabs.h"

#include <QClipboard>
#include <QScrollBar>

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

    // Everything a fill decides, for comparing two grids.
    static QStringList Snapshot(const CGridCtrl& grid)
    {
        QString layout = QString::asprintf(
            "%dx%d fixed %d,%d at %d,%d %dx%d scroll %d,%d focus %d selected %d widths", grid.GetRowCount(),
            grid.GetColumnCount(), grid.GetFixedRowCount(), grid.GetFixedColumnCount(), grid.x(), grid.y(),
            grid.width(), grid.height(), grid.horizontalScrollBar()->value(),
            grid.verticalScrollBar()->value(), grid.GetFocusCell().row, !grid.IsSelectionEmpty());
        for (int col = 0; col < grid.GetColumnCount(); ++col)
            layout += ' ' + QString::number(grid.GetColumnWidth(col));
        QStringList lines{layout};
        for (int row = 0; row < grid.GetRowCount(); ++row) {
            QString line = QString::number(grid.GetRowHeight(row));
            for (int col = 0; col < grid.GetColumnCount(); ++col) {
                const CCellRange block = grid.GetMergedRange(row, col);
                line += QString::asprintf("|%d:%d,%d:%d %x ", block.minRow, block.maxRow, block.minCol,
                                          block.maxCol, unsigned(BitsOf(grid.GetItemFormat(row, col)))) +
                        grid.GetItemText(row, col);
            }
            lines << line;
        }
        return lines;
    }

private slots:
    // The rows, merges and texts of each file opened, also of one of no
    // records; Ctrl+C copies a block as tab-separated text.
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
        Grid(f).setFocus();
        Grid(f).SetSelectedRange({1, 3, 2, 4});
        QTest::keyClick(&Grid(f), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("0.50\t0.70\nN/A\t0.70"));

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

    void columnsFillTheWindowButNeverGetCramped()
    {
        const std::string bytes = EncodeKavResult(ThreeWaveLengths, {Result("C1", "F1", 1)});
        ViewFixture wide(CKAVView::FormSize() + QSize(400, 0));
        Open(wide, "one.bin", bytes);
        int total = 0;
        for (int col = 0; col < 17; ++col)
            total += Grid(wide).GetColumnWidth(col);
        QCOMPARE(total, Grid(wide).viewport()->width());
        QCOMPARE(Grid(wide).horizontalScrollBar()->maximum(), 0);

        // Cable (111 pixels) and Pass/Fail (51) lose 8 at most; the rest of
        // the table is a sideways scroll away.
        ViewFixture narrow(QSize(500, 300));
        Open(narrow, "one.bin", bytes);
        const CGridCtrl& grid = Grid(narrow);
        QCOMPARE(grid.GetColumnWidth(0), 111 - 8);
        QCOMPARE(grid.GetColumnWidth(11), 51 - 8);
        QVERIFY(grid.horizontalScrollBar()->maximum() > 0);
    }

    void tabChangeAndSettledResizeGiveAFreshTable()
    {
        const QSize wider = CKAVView::FormSize() + QSize(300, 120);
        ViewFixture fresh(wider);
        std::vector<LossTestResult> results;
        for (int i = 0; i < 40; ++i)
            results.push_back(Result(i < 20 ? "C1" : "C2", "F", i));
        const QString path = Open(fresh, "forty.bin", EncodeKavResult(ThreeWaveLengths, results));

        ViewFixture f;
        f.Open(TabKav, path);
        const QStringList filled = Snapshot(Grid(f));
        const std::string stored(f.store.GetKavRecords3()[0].Fiber);
        // What the user does to the grid stays in it until the next fill.
        const auto useTheGrid = [&f] {
            CGridCtrl& grid = Grid(f);
            grid.SetItemText(1, 1, "edited");
            grid.SetColumnWidth(3, 200);
            grid.SetSelectedRange({5, 2, 9, 4});
            grid.OnVScroll(GridScroll::PageDown);
        };
        useTheGrid();
        QVERIFY(f.view.SelectTab(TabOpm));
        QVERIFY(f.view.SelectTab(TabKav));
        QCOMPARE(std::string(f.store.GetKavRecords3()[0].Fiber), stored);
        QCOMPARE(Snapshot(Grid(f)), filled);
        useTheGrid();

        // Dragging the edge resizes the grid at once; the rebuild waits until
        // the size has settled, and the keyboard stays with the table.
        f.host.activateWindow();
        Grid(f).setFocus();
        QTRY_VERIFY(Grid(f).hasFocus());
        CGridCtrl* const before = Page(f).Grid();
        for (int step = 1; step <= 3; ++step) {
            f.view.resize(CKAVView::FormSize() + QSize(100 * step, 40 * step));
            QCOMPARE(Page(f).Grid(), before);
            QCOMPARE(Grid(f).geometry(), Page(f).rect().adjusted(0, 20, 0, 0));
            QVERIFY(Page(f).IsRebuildPending());
        }
        QTRY_VERIFY(!Page(f).IsRebuildPending());
        QCOMPARE(Snapshot(Grid(f)), Snapshot(Grid(fresh)));
        QVERIFY(Grid(f).hasFocus());
    }
};

QTEST_MAIN(KavGridPageTest)
#include "KavGridPageTest.moc"
