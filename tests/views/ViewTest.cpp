#include "data/NewRecords.h"
#include "tests/views/ViewTestSupport.h"
#include "trace/CTracePage.h"
#include "views/COpmListPage.h"
#include "views/COrlListPage.h"
#include "views/FixedTabBar.h"
#include "views/ReportListView.h"
#include "views/Tabs.h"

#include <QClipboard>
#include <QScrollBar>

// The tabbed view: tab changes with the live-trace stop prompt, the lists'
// refills, columns and copy, and the proportional resize.
class ViewTest : public QObject
{
    Q_OBJECT

private:
    static void AddOpm(CDataStore& store, int count)
    {
        std::vector<OpmRecord> records;
        for (int i = 0; i < count; ++i)
            records.push_back(NewOpmRecord("C" + std::to_string(i), "F1", "1310nm", "-1.00dBm", "-2.00dBm",
                                           "2017-06-15", "14:05:09"));
        store.ReplaceOpmRecords(records);
    }
    static void AddOrl(CDataStore& store, int count, const std::string& fiber)
    {
        store.ReplaceOrlRecords(
            std::vector<OrlRecord>(static_cast<size_t>(count),
                                   NewOrlRecord("R1", fiber, "1550nm", "45.32dB", "2017-06-15", "14:05:09")));
    }

private slots:
    // Each tab shows its page alone; the lists are refilled from the store as
    // their tab is selected, and the live chart stops polling off its tab;
    // leaving a running trace asks first.
    void tabsBringUpTheirPageAndRefillTheirList()
    {
        ViewFixture f;
        QCOMPARE(f.view.SelectedTab(), int(TabOpm));
        AddOpm(f.store, 3);
        AddOrl(f.store, 1, "F9");
        QCOMPARE(f.view.OpmPage()->RowCount(), 0); // the store changed behind the list's back

        for (int tab : {TabKav, TabTrace, TabAutoTrace, TabOrl, TabOpm}) {
            const int before = f.trace->pollTimerStops;
            QVERIFY(f.view.SelectTab(tab));
            for (int other = 0; other < TabCount; ++other)
                QCOMPARE(f.view.PageOfTab(other)->isVisible(), other == tab);
            QCOMPARE(f.trace->pollTimerStops - before, tab == TabAutoTrace ? 0 : 1);
        }
        QCOMPARE(f.view.OrlPage()->RowCount(), 1);
        QCOMPARE(f.view.OrlPage()->CellText(0, 4), QString("45.32dB"));
        QCOMPARE(f.view.OpmPage()->RowCount(), 3);

        QVERIFY(f.view.SelectTab(TabAutoTrace));
        f.trace->traceStarted = true;

        f.prompts.QueueMessage(MessageAnswer::No);
        QVERIFY(!f.view.SelectTab(TabKav));
        QCOMPARE(f.prompts.MessageTexts(), QStringList({"This will stop the AutoTrace,Do you continue?"}));
        QCOMPARE(f.prompts.Asked().back().buttons, MessageButtons::YesNo);
        QCOMPARE(f.view.SelectedTab(), int(TabAutoTrace));
        QVERIFY(f.view.AutoTracePage()->isVisible());
        QVERIFY(f.trace->traceStarted);
        QCOMPARE(f.trace->stops, 0);

        f.prompts.QueueMessage(MessageAnswer::Yes);
        QVERIFY(f.view.SelectTab(TabOrl));
        QCOMPARE(f.trace->stops, 1);
        QVERIFY(!f.trace->traceStarted);
        QVERIFY(f.view.OrlPage()->isVisible());
        QVERIFY(f.prompts.Unexpected().empty());
    }

    // Twice as wide: the pages and the chart scale; with more rows than a
    // page shows, the columns share what the vertical scroll bar leaves, and
    // none goes out of sight.
    void pagesChartAndColumnsFollowTheWidth()
    {
        ViewFixture f;
        AddOpm(f.store, 200);
        AddOrl(f.store, 200, "F");
        const QSize form = CKAVView::FormSize();
        const QRect pageBefore = f.view.OpmPage()->geometry();

        f.view.resize(form.width() * 2, form.height());
        const QRect page = f.view.OpmPage()->geometry();
        QCOMPARE(page.left(), pageBefore.left() * 2);
        QCOMPARE(page.width(), pageBefore.width() * 2);
        QCOMPARE(page.top(), f.view.TabBar()->geometry().top() + FixedTabBar::BandHeight);
        QCOMPARE(f.view.TabBar()->geometry().left(), 5);
        for (int tab = 0; tab < TabCount; ++tab)
            QCOMPARE(f.view.PageOfTab(tab)->geometry(), page);

        // The chart keeps its scaled offsets from the window's edges.
        const QRect chart = f.view.TracePage()->ChartRect();
        QCOMPARE(chart.left(), 40 * 2);
        QCOMPARE(chart.left() + chart.width(), form.width() * 2 + (600 - form.width()) * 2);
        QCOMPARE(chart.top(), 10);
        QCOMPARE(f.trace->chartRect, chart);

        const struct
        {
            int tab;
            int columns;
        } lists[] = {{TabOpm, 8}, {TabOrl, 7}};
        for (const auto& list : lists) {
            QVERIFY(f.view.SelectTab(TabKav)); // the list is filled as its tab is selected
            QVERIFY(f.view.SelectTab(list.tab));
            const ReportListView* table = static_cast<CReportListPage*>(f.view.PageOfTab(list.tab))->List();
            QTRY_VERIFY(table->verticalScrollBar()->isVisible());
            const int visible = table->viewport()->width();
            QCOMPARE(visible, page.width() - table->verticalScrollBar()->width());
            for (int column = 0; column < list.columns; ++column)
                QCOMPARE(table->columnWidth(column), visible / list.columns);
            const int last = list.columns - 1;
            QVERIFY(table->columnViewportPosition(last) + table->columnWidth(last) <= visible);
            QVERIFY(!table->horizontalScrollBar()->isVisible());
        }
    }

    void copyTakesWholeSelectedRows()
    {
        ViewFixture f;
        AddOpm(f.store, 4);
        QVERIFY(f.view.SelectTab(TabKav));
        QVERIFY(f.view.SelectTab(TabOpm));
        ReportListView* table = f.view.OpmPage()->List();
        // Rows 3 and 1, in that order: the copy lists them as the list does.
        for (int row : {3, 1})
            table->selectionModel()->select(table->model()->index(row, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);

        // The titles, then the records as AddOpm made them, columns in the
        // list's order.
        const auto line = [](int record) {
            return QString("%1\tC%2\tF1\t-1.00dBm\t-2.00dBm\t1310nm\t2017-06-15\t14:05:09")
                .arg(record + 1)
                .arg(record);
        };
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 "Record\tCable\tFiber\tPower\tReference\tWavelength\tDate\tTime\n" + line(1) + "\n" +
                     line(3));
    }
};

QTEST_MAIN(ViewTest)
#include "ViewTest.moc"
