#include "CDataStore.h"
#include "CKAVView.h"
#include "COpmListPage.h"
#include "COrlListPage.h"
#include "CTracePage.h"
#include "FakeAutoTrace.h"
#include "FixedTabBar.h"
#include "KavTabActive.h"
#include "PixelRect.h"
#include "ReportListModel.h"
#include "ReportListView.h"
#include "ScriptedPrompts.h"
#include "Tabs.h"

#include <QClipboard>
#include <QHeaderView>
#include <QScrollBar>
#include <QtTest>

// The tabbed view: start-up, tab changes with the live-trace stop prompt,
// the lists' refills, columns and copy, and the proportional resize.
class ViewTest : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        CDataStore store;
        FakeAutoTraceState trace;
        QWidget host; // as a child, the view is resized at once, as in the main window
        CKAVView& view = *new CKAVView(store, FakeAutoTraceFactory(trace), &host);

        Fixture()
        {
            view.resize(CKAVView::FormSize());
            view.OnInitialUpdate();
            host.resize(CKAVView::FormSize() * 2);
            host.show();
        }
    };

    static QStringList Titles(const CReportListPage* page)
    {
        QStringList titles;
        for (int column = 0; column < page->Model()->columnCount(); ++column)
            titles << page->Model()->headerData(column, Qt::Horizontal).toString();
        return titles;
    }

    static void AddOpm(CDataStore& store, int count)
    {
        for (int i = 0; i < count; ++i)
            store.AddOpmRecord("C" + std::to_string(i), "F1", "1310nm", "-1.00dBm", "-2.00dBm", "2017-06-15",
                               "14:05:09");
    }

private slots:
    void startUpShowsTheEmptyOpmList()
    {
        g_KavTabActive = 0;
        Fixture f;
        QCOMPARE(f.view.TabBar()->count(), TabCount);
        for (int tab = 0; tab < TabCount; ++tab)
            QCOMPARE(f.view.TabBar()->tabText(tab), QString(TabLabels[tab]));
        QCOMPARE(f.view.SelectedTab(), int(TabOpm));
        for (int tab = 0; tab < TabCount; ++tab)
            QCOMPARE(f.view.PageOfTab(tab)->isVisible(), tab == TabOpm);
        QCOMPARE(Titles(f.view.OpmPage()), QStringList({"Record", "Cable", "Fiber", "Power", "Reference",
                                                        "Wavelength", "Date", "Time"}));
        QCOMPARE(f.view.OpmPage()->RowCount(), 0);
        QCOMPARE(g_KavTabActive, 0);

        const std::vector<PixelRect>& rects = f.view.PageRects();
        QCOMPARE(rects.size(), size_t(4));
        QCOMPARE(rects[0], PixelRect::From(QRect(QPoint(0, 0), CKAVView::FormSize())));
        QCOMPARE(rects[1], rects[0]);
        QCOMPARE(rects[2].top, rects[0].top + 20);
        QCOMPARE(rects[3], PixelRect::From(f.view.TracePage()->ChartRect()));
    }

    void listsAreRefilledFromTheStoreWhenSelected()
    {
        Fixture f;
        AddOpm(f.store, 3);
        f.store.AddOrlRecord("R1", "F9", "1550nm", "45.32dB", "2017-06-15", "14:05:09");
        QCOMPARE(f.view.OpmPage()->RowCount(), 0); // the store changed behind the list's back

        QVERIFY(f.view.SelectTab(TabOrl));
        QCOMPARE(Titles(f.view.OrlPage()),
                 QStringList({"Record", "Cable", "Fiber", "Wavelength", "ORL Value", "Date", "Time"}));
        QCOMPARE(f.view.OrlPage()->RowCount(), 1);
        QCOMPARE(f.view.OrlPage()->CellText(0, 4), QString("45.32dB"));

        QVERIFY(f.view.SelectTab(TabOpm));
        QCOMPARE(f.view.OpmPage()->RowCount(), 3);
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(f.view.OpmPage()->CellText(row, 0), QString::number(row + 1));
            QCOMPARE(f.view.OpmPage()->CellText(row, 1), QString("C%1").arg(row));
        }
        const QModelIndex cell = f.view.OpmPage()->Model()->index(0, 3);
        QCOMPARE(f.view.OpmPage()->Model()->data(cell, Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::Alignment(Qt::AlignCenter));
    }

    void pollTimerStopsOnEveryTabButAutoTrace()
    {
        Fixture f;
        for (int tab : {TabKav, TabTrace, TabAutoTrace, TabOrl, TabOpm}) {
            const int before = f.trace.pollTimerStops;
            QVERIFY(f.view.SelectTab(tab));
            QCOMPARE(f.trace.pollTimerStops - before, tab == TabAutoTrace ? 0 : 1);
            QCOMPARE(g_KavTabActive == 1, tab == TabKav);
            QVERIFY(f.view.PageOfTab(tab)->isVisible());
        }
    }

    void leavingARunningTraceAsksFirst()
    {
        Fixture f;
        ScriptedPrompts prompts;
        QVERIFY(f.view.SelectTab(TabAutoTrace));
        f.trace.traceStarted = true;

        prompts.QueueMessage(MessageAnswer::No);
        QVERIFY(!f.view.SelectTab(TabKav));
        QCOMPARE(prompts.MessageTexts(), QStringList({"This will stop the AutoTrace,Do you continue?"}));
        QCOMPARE(prompts.Asked().back().buttons, MessageButtons::YesNo);
        QCOMPARE(f.view.SelectedTab(), int(TabAutoTrace));
        QVERIFY(f.view.AutoTracePage()->isVisible());
        QVERIFY(f.trace.traceStarted);
        QCOMPARE(f.trace.stops, 0);
        QCOMPARE(g_KavTabActive, 0);

        prompts.QueueMessage(MessageAnswer::Yes);
        QVERIFY(f.view.SelectTab(TabOrl));
        QCOMPARE(f.trace.stops, 1);
        QVERIFY(!f.trace.traceStarted);
        QVERIFY(f.view.OrlPage()->isVisible());
        QVERIFY(prompts.Unexpected().empty());
    }

    void doublingTheWidthScalesPagesAndColumns()
    {
        Fixture f;
        AddOpm(f.store, 2);
        f.store.AddOrlRecord("R1", "F9", "1550nm", "45.32dB", "2017-06-15", "14:05:09");
        QVERIFY(f.view.SelectTab(TabOpm));
        const QSize form = CKAVView::FormSize();
        const QRect pageBefore = f.view.OpmPage()->geometry();

        f.view.resize(form.width() * 2, form.height());
        const QRect page = f.view.OpmPage()->geometry();
        QCOMPARE(page.left(), pageBefore.left() * 2);
        QCOMPARE(page.width(), pageBefore.width() * 2);
        QCOMPARE(page.top(), f.view.TabBar()->geometry().top() + 20);
        QCOMPARE(f.view.TabBar()->geometry().left(), 5);
        QCOMPARE(f.view.OrlPage()->geometry(), page);
        QCOMPARE(f.view.TracePage()->geometry(), page);
        QCOMPARE(f.view.AutoTracePage()->geometry(), page);

        for (int column = 0; column < 8; ++column)
            QCOMPARE(f.view.OpmPage()->List()->columnWidth(column), static_cast<int>(page.width() * 0.125));
        for (int column = 0; column < 7; ++column)
            QCOMPARE(f.view.OrlPage()->List()->columnWidth(column), page.width() / 7);

        // The OPM list is refilled, the ORL list waits for its tab.
        QCOMPARE(f.view.OpmPage()->RowCount(), 2);
        QCOMPARE(f.view.OrlPage()->RowCount(), 0);

        // The chart keeps its scaled offsets from the window's edges.
        const float sx = 2.0f;
        const QRect chart = f.view.TracePage()->ChartRect();
        QCOMPARE(chart.left(), static_cast<int>(40 * sx));
        QCOMPARE(chart.left() + chart.width(),
                 form.width() * 2 + static_cast<int>((600 - form.width()) * sx));
        QCOMPARE(chart.top(), 10);
        QCOMPARE(f.trace.chartRect, chart);
    }

    // More rows than the page shows: the vertical scroll bar takes its width
    // from the columns' share, and no column goes out of sight.
    void columnsShareTheWidthBesideTheScrollBar()
    {
        Fixture f;
        AddOpm(f.store, 200);
        for (int i = 0; i < 200; ++i)
            f.store.AddOrlRecord("R", "F", "1550nm", "45.32dB", "2017-06-15", "14:05:09");
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
            QCOMPARE(visible, table->width() - table->verticalScrollBar()->width());
            for (int column = 0; column < list.columns; ++column)
                QCOMPARE(table->columnWidth(column), visible / list.columns);
            const int last = list.columns - 1;
            QVERIFY(table->columnViewportPosition(last) + table->columnWidth(last) <= visible);
            QVERIFY(!table->horizontalScrollBar()->isVisible());
        }
    }

    void copyTakesWholeSelectedRows()
    {
        Fixture f;
        AddOpm(f.store, 4);
        QVERIFY(f.view.SelectTab(TabKav));
        QVERIFY(f.view.SelectTab(TabOpm));
        ReportListView* table = f.view.OpmPage()->List();
        const QAbstractItemModel* model = table->model();
        // Rows 3 and 1, in that order: the copy lists them as the list does.
        table->selectionModel()->select(model->index(3, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        table->selectionModel()->select(model->index(1, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);

        // The records as AddOpm made them, columns in the list's order.
        const auto line = [](int record) {
            return QString("%1\tC%2\tF1\t-1.00dBm\t-2.00dBm\t1310nm\t2017-06-15\t14:05:09")
                .arg(record + 1)
                .arg(record);
        };
        QCOMPARE(QGuiApplication::clipboard()->text(), line(1) + "\n" + line(3));
    }
};

QTEST_MAIN(ViewTest)
#include "ViewTest.moc"
