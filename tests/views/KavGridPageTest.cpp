#include "CDataStore.h"
#include "CKAVView.h"
#include "CKavGridPage.h"
#include "FakeAutoTrace.h"
#include "GridCtrl.h"
#include "SampleSet.h"
#include "ScriptedPrompts.h"
#include "Tabs.h"

#include <QClipboard>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <array>

// The KAV tab's table through the real view and page: the rows, merges and
// texts of loss-test files made here, the title row, what Open, a tab change
// and a resize leave on screen, and copying from it.
class KavGridPageTest : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        QTemporaryDir dir;
        CDataStore store;
        FakeAutoTraceState trace;
        QWidget host;
        CKAVView& view = *new CKAVView(store, FakeAutoTraceFactory(trace), &host);
        ScriptedPrompts prompts;

        explicit Fixture(QSize size = CKAVView::FormSize())
        {
            view.resize(CKAVView::FormSize());
            view.OnInitialUpdate();
            host.resize(CKAVView::FormSize() * 2);
            host.show();
            view.resize(size);
        }
        CKavGridPage& Page() const { return *view.KavPage(); }
        CGridCtrl& Grid() const { return *Page().Grid(); }
        // Writes the bytes into a file of that name and opens it on the tab.
        QString Open(const QString& name, const std::string& bytes)
        {
            const QString path = dir.filePath(name);
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) < 0)
                qFatal("cannot write %s", qPrintable(path));
            file.close();
            Open(path);
            return path;
        }
        void Open(const QString& path)
        {
            QVERIFY(view.SelectTab(TabKav));
            prompts.QueueFile(path);
            QVERIFY(view.OnCommand(CommandId::FileOpen));
        }
    };

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

    // The value-rule examples: the averages in record 0, the verdict at the
    // threshold in record 1, a received power and a length triple in record 2.
    static std::vector<LossTestResult> RuleExamples()
    {
        std::vector<LossTestResult> r{Result("C1", "F1", 1), Result("C1", "F2", 2), Result("C2", "F1", 3)};
        const auto set = [](float(&triple)[3], std::array<float, 3> values) {
            std::copy(values.begin(), values.end(), triple);
        };
        set(r[0].lossAB, {0.5f, 99.5f, -1.0f});
        set(r[0].lossBA, {0.7f, 0.7f, -1.0f});
        r[0].length[2] = -1.0f;
        set(r[1].lossAB, {0.0f, 1.2f, 1.2f});
        set(r[1].lossBA, {0.7f, 1.5f, 1.51f});
        set(r[1].threshold, {2.0f, 1.5f, 1.5f});
        r[1].length[2] = 0.5f;
        r[2].refAB[0] = -10.0f;
        r[2].lossAB[0] = 1.25f;
        set(r[2].length, {1.0f, 2.0f, 3.0f});
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

    // The rows of a grabbed grid, within rect, that hold text strokes: the
    // first and the last (-1, -1 for none).
    static std::pair<int, int> InkRows(const QImage& image, const QRect& rect)
    {
        std::pair<int, int> rows{-1, -1};
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                if (qGray(image.pixel(x, y)) < 96) {
                    rows = {rows.first < 0 ? y : rows.first, y};
                    break;
                }
            }
        }
        return rows;
    }

private slots:
    void rowsMergesAndTextsFollowTheRecords()
    {
        Fixture f;
        QVERIFY(f.view.SelectTab(TabKav));
        QCOMPARE(f.Grid().GetRowCount(), 0); // no file yet: no title row either
        QCOMPARE(f.Grid().GetColumnCount(), 0);

        const std::vector<LossTestResult> results = RuleExamples();
        f.Open("rules.bin", EncodeKavResult(ThreeWaveLengths, results));
        const CGridCtrl& grid = f.Grid();
        QCOMPARE(grid.GetRowCount(), 1 + 3 * int(results.size()));
        QCOMPARE(grid.GetColumnCount(), 17);
        QCOMPARE(grid.GetFixedRowCount(), 1);
        QCOMPARE(grid.GetFixedColumnCount(), 1);
        QCOMPARE(Row(grid, 0, {0, 2, 11, 16}),
                 QStringList({"Cable", "Wavelength\n(nm)", "Pass\n/Fail", "Time"}));
        for (int col : {0, 5, 16})
            QCOMPARE(grid.GetItemFormat(4, col), CentredWordWrap);

        // Cable, Fiber, Date and Time span a record's three rows; the rest
        // are a row each, Length repeated in every one.
        for (int col = 0; col < 17; ++col) {
            const bool recordWide = col == 0 || col == 1 || col == 15 || col == 16;
            QCOMPARE(grid.GetMergedRange(7, col), (CCellRange{7, col, recordWide ? 9 : 7, col}));
        }
        QCOMPARE(Row(grid, 7, {0, 1, 15, 16}), QStringList({"C2", "F1", "2017-06-15", "14:03:09"}));
        for (int row = 7; row <= 9; ++row)
            QCOMPARE(grid.GetItemText(row, 12), QString("3.000"));
        QCOMPARE(Row(grid, 1, {2}) + Row(grid, 2, {2}) + Row(grid, 3, {2}),
                 QStringList({"1310", "1490", "1550"}));

        // Loss AB, Loss BA, AVG L, PWR B, PWR A, Pass/Fail, Length.
        const std::initializer_list<int> rules = {3, 4, 5, 9, 10, 11, 12};
        QCOMPARE(Row(grid, 1, rules), QStringList({"0.50", "0.70", "0.60", "-5.50", "-5.70", "Pass", "N/A"}));
        QCOMPARE(Row(grid, 2, rules), QStringList({"N/A", "0.70", "0.70", "N/A", "-5.70", "Fail", "N/A"}));
        QCOMPARE(Row(grid, 3, rules), QStringList({"N/A", "N/A", "N/A", "N/A", "N/A", "Pass", "N/A"}));
        QCOMPARE(Row(grid, 4, rules),
                 QStringList({"0.00", "0.70", "N/A", "-5.00", "-5.70", "Pass", "0.500"}));
        QCOMPARE(Row(grid, 5, {11}), QStringList({"Pass"}));
        QCOMPARE(Row(grid, 6, {11}), QStringList({"Fail"}));
        QCOMPARE(Row(grid, 7, {6, 9}), QStringList({"-10.00", "-11.25"}));

        // A two-wavelength file: two rows per record, at the first and last
        // wavelength of the header.
        f.Open("two.bin", EncodeKavResult(TwoWaveLengths, results));
        QCOMPARE(grid.GetRowCount(), 1 + 2 * int(results.size()));
        QCOMPARE(grid.GetMergedRange(3, 1), (CCellRange{3, 1, 4, 1}));
        QCOMPARE(Row(grid, 3, {1, 2, 3}) + Row(grid, 4, {2, 3}),
                 QStringList({"F2", "1310", "0.00", "1550", "1.20"}));
    }

    void titleRowShowsNameAndUnit()
    {
        Fixture f;
        f.Open("one.bin", EncodeKavResult(ThreeWaveLengths, {Result("C1", "F1", 1)}));
        CGridCtrl& grid = f.Grid();
        QCOMPARE(grid.GetRowHeight(1), grid.GetDefaultRowHeight());
        QVERIFY(grid.GetRowHeight(0) > grid.GetDefaultRowHeight());

        // The strokes of "Loss AB" over "(dB)" stand at least twice as tall as
        // those of a one-line value, with clear space under them in the cell.
        const QImage image = grid.viewport()->grab().toImage();
        QRect title;
        QRect value;
        QVERIFY(grid.GetCellRect(0, 3, title) && grid.GetCellRect(1, 3, value));
        const QRect titleInside = title.adjusted(2, 2, -2, -2);
        const auto [titleTop, titleBottom] = InkRows(image, titleInside);
        const auto [valueTop, valueBottom] = InkRows(image, value.adjusted(1, 1, -2, -2));
        QVERIFY(valueTop >= 0 && titleTop >= 0);
        QVERIFY(titleBottom - titleTop >= 2 * (valueBottom - valueTop));
        QVERIFY(titleBottom < titleInside.bottom());
    }

    void columnsFillTheWindowButNeverGetCramped()
    {
        const std::string bytes = EncodeKavResult(ThreeWaveLengths, {Result("C1", "F1", 1)});
        Fixture wide(CKAVView::FormSize() + QSize(400, 0));
        wide.Open("one.bin", bytes);
        int total = 0;
        for (int col = 0; col < 17; ++col)
            total += wide.Grid().GetColumnWidth(col);
        QCOMPARE(total, wide.Grid().viewport()->width());
        QCOMPARE(wide.Grid().horizontalScrollBar()->maximum(), 0);

        // Cable (111 pixels) and Pass/Fail (51) lose 8 at most; the rest of
        // the table is a sideways scroll away.
        Fixture narrow(QSize(500, 300));
        narrow.Open("one.bin", bytes);
        const CGridCtrl& grid = narrow.Grid();
        QCOMPARE(grid.GetColumnWidth(0), 111 - 8);
        QCOMPARE(grid.GetColumnWidth(11), 51 - 8);
        QVERIFY(grid.horizontalScrollBar()->maximum() > 0);
    }

    void openShowsTheNewFileAndARefusalKeepsTheTable()
    {
        Fixture f;
        f.Open("first.bin", EncodeKavResult(ThreeWaveLengths, RuleExamples()));
        const QStringList shown = Snapshot(f.Grid());

        f.Open("refused.bin", "kav12.opmsave" + std::string(40, '\0'));
        QCOMPARE(f.prompts.MessageTexts(), QStringList({"File error!"}));
        QCOMPARE(Snapshot(f.Grid()), shown);

        // A document of the table opened on the tab shows it again.
        f.prompts.QueueFile(f.dir.filePath("table.kav"));
        QVERIFY(f.view.OnCommand(CommandId::FileSaveAs));
        f.Open("empty.bin", EncodeKavResult(ThreeWaveLengths, {}));
        QCOMPARE(f.Grid().GetRowCount(), 0);
        f.Open(f.dir.filePath("table.kav"));
        QCOMPARE(Snapshot(f.Grid()), shown);
        QVERIFY(f.prompts.Unexpected().empty());
    }

    void tabChangeAndSettledResizeGiveAFreshTable()
    {
        const QSize wider = CKAVView::FormSize() + QSize(300, 120);
        Fixture fresh(wider);
        std::vector<LossTestResult> results;
        for (int i = 0; i < 40; ++i)
            results.push_back(Result(i < 20 ? "C1" : "C2", "F", i));
        const QString path = fresh.Open("forty.bin", EncodeKavResult(ThreeWaveLengths, results));

        Fixture f;
        f.Open(path);
        const QStringList filled = Snapshot(f.Grid());
        const std::string stored(f.store.GetKavRecords3()[0].Fiber);
        // What the user does to the grid stays in it until the next fill.
        const auto useTheGrid = [&f] {
            CGridCtrl& grid = f.Grid();
            grid.SetItemText(1, 1, "edited");
            grid.SetColumnWidth(3, 200);
            grid.SetSelectedRange({5, 2, 9, 4});
            grid.OnVScroll(GridScroll::PageDown);
        };
        useTheGrid();
        QVERIFY(f.view.SelectTab(TabOpm));
        QVERIFY(f.view.SelectTab(TabKav));
        QCOMPARE(std::string(f.store.GetKavRecords3()[0].Fiber), stored);
        QCOMPARE(Snapshot(f.Grid()), filled);
        useTheGrid();

        // Dragging the edge resizes the grid at once; the rebuild waits until
        // the size has settled, and the keyboard stays with the table.
        f.host.activateWindow();
        f.Grid().setFocus();
        QTRY_VERIFY(f.Grid().hasFocus());
        CGridCtrl* const before = f.Page().Grid();
        for (int step = 1; step <= 3; ++step) {
            f.view.resize(CKAVView::FormSize() + QSize(100 * step, 40 * step));
            QCOMPARE(f.Page().Grid(), before);
            QCOMPARE(f.Grid().geometry(), f.Page().rect().adjusted(0, 20, 0, 0));
            QVERIFY(f.Page().IsRebuildPending());
        }
        QTRY_VERIFY(!f.Page().IsRebuildPending());
        QCOMPARE(Snapshot(f.Grid()), Snapshot(fresh.Grid()));
        QVERIFY(f.Grid().hasFocus());
    }

    void keysSelectAllAndCopyTabSeparatedText()
    {
        Fixture f;
        f.Open("rules.bin", EncodeKavResult(ThreeWaveLengths, RuleExamples()));
        CGridCtrl& grid = f.Grid();
        grid.setFocus();
        grid.SetSelectedRange({1, 3, 2, 4});
        QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("0.50\t0.70\nN/A\t0.70"));

        QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.size(), grid.GetRowCount() - 1);
        QCOMPARE(lines.last().split('\t').size(), 16); // every column but the fixed Cable
    }
};

QTEST_MAIN(KavGridPageTest)
#include "KavGridPageTest.moc"
