#include "grid/TitleTip.h"
#include "tests/grid/GridTestSupport.h"

#include <QClipboard>
#include <QDragEnterEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <functional>

namespace {
void Wheel(CGridCtrl& grid, int delta)
{
    const QPointF point(10, 40);
    QWheelEvent event(point, grid.viewport()->mapToGlobal(point), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid.viewport(), &event);
}
} // namespace

class GridInputTest : public QObject
{
    Q_OBJECT

private slots:
    // Where each key takes the focus is NextFocus's (its own test); here an
    // arrow moves the selection with the focus, and Shift extends it from
    // where it started.
    void arrowsMoveTheSelectionAndShiftExtendsIt()
    {
        auto grid = MakeGrid(5, 4, 1, 1);
        grid->SetFocusCell(1, 1);
        QTest::keyClick(grid.get(), Qt::Key_Down);
        QVERIFY(grid->GetFocusCell() == (CCellId{2, 1}));
        QVERIFY(grid->IsCellSelected(2, 1) && !grid->IsCellSelected(1, 1));
        QTest::keyClick(grid.get(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(grid.get(), Qt::Key_Down, Qt::ShiftModifier);
        for (int row = 1; row <= 4; ++row)
            for (int col = 1; col <= 3; ++col)
                QCOMPARE(grid->IsCellSelected(row, col), row >= 2 && row <= 3 && col <= 2);
    }

    // Tab past the last cell and Backtab before the first hand the focus to
    // the neighbouring widgets.
    void tabPassesTheFocusOnAtTheEnds()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* before = new QLineEdit;
        auto* grid = new CGridCtrl(3, 3, 1, 1);
        auto* after = new QLineEdit;
        layout->addWidget(before);
        layout->addWidget(grid);
        layout->addWidget(after);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        grid->setFocus();
        grid->SetFocusCell(2, 2);
        QTest::keyClick(grid, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), after);
        grid->setFocus();
        grid->SetFocusCell(1, 1);
        QTest::keyClick(grid, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), before);
    }

    // The page keys move the focus by the rows the view pages; the focus
    // moved out of view scrolls it in, and a column cut at the right comes
    // into view without moving the rows.
    void keysMoveTheFocusAndScrollOnlyAsFarAsNeeded()
    {
        auto grid = MakeGrid(200, 30, 1, 1);
        grid->SetFocusCell(1, 1);
        QTest::keyClick(grid.get(), Qt::Key_PageDown);
        const int paged = grid->GetTopleftNonFixedCell().row;
        QVERIFY(paged > 1);
        QCOMPARE(grid->GetFocusCell().row, 1 + (paged - 1));
        QTest::keyClick(grid.get(), Qt::Key_PageUp);
        QTest::keyClick(grid.get(), Qt::Key_PageUp); // the view cannot move: to the first row
        QCOMPARE(grid->GetFocusCell().row, 1);

        const int lastShown = grid->GetVisibleNonFixedCellRange().maxRow;
        grid->SetFocusCell(lastShown, 1);
        QTest::keyClick(grid.get(), Qt::Key_Down);
        QVERIFY(grid->IsCellFullyVisible(lastShown + 1, 1));
        QVERIFY(grid->GetTopleftNonFixedCell().row > 1);

        grid->OnVScroll(GridScroll::ThumbPosition, grid->verticalScrollBar()->maximum() / 2);
        const int top = grid->GetTopleftNonFixedCell().row;
        const int cut = grid->GetVisibleNonFixedCellRange().maxCol;
        QVERIFY(!grid->IsCellFullyVisible(top, cut));
        grid->EnsureVisible(top, cut);
        QCOMPARE(grid->GetTopleftNonFixedCell().row, top);
        QVERIFY(grid->IsCellFullyVisible(top, cut));
    }

    void mouseSelectionShapes()
    {
        auto grid = MakeGrid(8, 6, 1, 1);
        grid->activateWindow(); // focused, as a user's clicks leave it
        QVERIFY(QTest::qWaitForWindowActive(grid.get()));
        // Drag from (2,2) to (4,3): a rectangle of cells.
        SendMouse(*grid, QEvent::MouseButtonPress, CellCentre(*grid, 2, 2), Qt::LeftButton, Qt::LeftButton);
        SendMouse(*grid, QEvent::MouseMove, CellCentre(*grid, 4, 3), Qt::NoButton, Qt::LeftButton);
        SendMouse(*grid, QEvent::MouseButtonRelease, CellCentre(*grid, 4, 3), Qt::LeftButton, Qt::NoButton);
        QVERIFY(grid->IsCellSelected(3, 3) && grid->IsCellSelected(2, 2) && !grid->IsCellSelected(5, 3));
        QVERIFY(grid->GetFocusCell() == (CCellId{2, 2}));
        // A click on a column header selects the column's non-fixed cells.
        Click(*grid, CellCentre(*grid, 0, 4));
        QVERIFY(grid->IsCellSelected(1, 4) && grid->IsCellSelected(7, 4));
        QVERIFY(!grid->IsCellSelected(0, 4) && !grid->IsCellSelected(3, 3));
        // With Ctrl a row header click adds the row and keeps the column.
        Click(*grid, CellCentre(*grid, 6, 0), Qt::ControlModifier);
        QVERIFY(grid->IsCellSelected(6, 1) && grid->IsCellSelected(6, 5) && grid->IsCellSelected(2, 4));
        // The corner selects everything, and so does Ctrl+A.
        Click(*grid, CellCentre(*grid, 0, 0));
        QVERIFY(grid->IsCellSelected(1, 1) && grid->IsCellSelected(7, 5));
        Click(*grid, CellCentre(*grid, 3, 3)); // inside the selection: the cell alone
        QVERIFY(!grid->IsCellSelected(1, 1) && grid->IsCellSelected(3, 3));
        QTest::keyClick(grid.get(), Qt::Key_A, Qt::ControlModifier);
        QVERIFY(grid->IsCellSelected(1, 1) && grid->IsCellSelected(7, 5));
        QVERIFY(!grid->IsCellSelected(0, 1) && !grid->IsCellSelected(1, 0));
    }

    void dividerDragSizesTheColumnAndDoubleClickFitsIt()
    {
        auto grid = MakeGrid(5, 4, 1, 1);
        QRect header;
        grid->GetCellRect(0, 2, header);
        const QPoint divider(header.right() - 1, header.center().y());
        SendMouse(*grid, QEvent::MouseButtonPress, divider, Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(grid->GetMouseMode(), CGridCtrl::MouseMode::SizingColumn);
        QVERIFY(grid->GetFocusCell() == (CCellId{1, 2})); // the click on the header moves the focus below it
        const QPoint release(header.left() + 17, header.center().y());
        SendMouse(*grid, QEvent::MouseMove, release, Qt::NoButton, Qt::LeftButton);
        SendMouse(*grid, QEvent::MouseButtonRelease, release, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(grid->GetColumnWidth(2), 17);
        QCOMPARE(grid->GetMouseMode(), CGridCtrl::MouseMode::Nothing);

        // A double click on it fits the column to its widest text.
        const QString widest = QStringLiteral("a much longer text than the others");
        grid->SetItemText(3, 2, widest);
        grid->GetCellRect(0, 2, header);
        SendMouse(*grid, QEvent::MouseButtonDblClick, QPoint(header.right(), header.center().y()),
                  Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(grid->GetColumnWidth(2),
                 grid->fontMetrics().horizontalAdvance(widest) + 2 * grid->GetMargin());
    }

    void dragBelowTheWindowAutoScrollsAndExtendsTheSelection()
    {
        auto grid = MakeGrid(100, 4, 1, 1);
        SendMouse(*grid, QEvent::MouseButtonPress, CellCentre(*grid, 2, 2), Qt::LeftButton, Qt::LeftButton);
        const QPoint below(CellCentre(*grid, 2, 2).x(), grid->viewport()->height() + 20);
        SendMouse(*grid, QEvent::MouseMove, below, Qt::NoButton, Qt::LeftButton);
        QTRY_VERIFY(grid->GetTopleftNonFixedCell().row > 2);
        SendMouse(*grid, QEvent::MouseButtonRelease, below, Qt::LeftButton, Qt::NoButton);
        const int lastShown = grid->GetVisibleNonFixedCellRange().maxRow;
        QVERIFY(grid->IsCellSelected(2, 2));
        QVERIFY(grid->IsCellSelected(lastShown - 1, 2));
        QVERIFY(!grid->IsCellSelected(2, 3));
        QCOMPARE(grid->GetMouseMode(), CGridCtrl::MouseMode::Nothing);
    }

    void scrollRangesFollowSizesAndScrollsMoveByWholeRows()
    {
        auto grid = MakeGrid(60, 30, 1, 1);
        const int height = grid->GetDefaultRowHeight();
        const int width = grid->GetDefaultColumnWidth();
        const QScrollBar* vbar = grid->verticalScrollBar();
        const QScrollBar* hbar = grid->horizontalScrollBar();
        const int visibleHeight = grid->viewport()->height() - height;
        const int visibleWidth = grid->viewport()->width() - width;
        QCOMPARE(vbar->maximum(), 59 * height - visibleHeight);
        QCOMPARE(vbar->pageStep(), visibleHeight);
        QCOMPARE(hbar->maximum(), 29 * width - visibleWidth);
        grid->SetColumnCount(2);
        grid->ResetHorizontalScroll();
        QCOMPARE(hbar->maximum(), 0);
        QVERIFY(!hbar->isVisible());

        // Line and row scrolls move by whole rows, whatever their heights.
        grid->SetRowHeight(1, 50);
        grid->ResetScrollBars();
        grid->OnVScroll(GridScroll::LineDown);
        QCOMPARE(grid->GetTopleftNonFixedCell().row, 2);
        QCOMPARE(grid->verticalScrollBar()->value(), 50);
        grid->OnVScroll(GridScroll::RowUp);
        QCOMPARE(grid->verticalScrollBar()->value(), 0);
        grid->OnVScroll(GridScroll::Bottom);
        const int bottom = grid->verticalScrollBar()->value();
        grid->OnVScroll(GridScroll::RowDown);
        QCOMPARE(grid->verticalScrollBar()->value(), bottom);
        QVERIFY(grid->IsCellFullyVisible(59, 1));
    }

    void wheelScrollsLinesPerNotchOrAPage()
    {
        QApplication::setWheelScrollLines(5);
        auto grid = MakeGrid(100, 3, 1, 1);
        QCOMPARE(grid->GetWheelScrollLines(), 5); // the platform's setting
        grid->SetWheelScrollLines(3);
        Wheel(*grid, -120);
        QCOMPARE(grid->GetTopleftNonFixedCell().row, 1 + 3);
        Wheel(*grid, -60);
        Wheel(*grid, -60); // two half notches make one
        QCOMPARE(grid->GetTopleftNonFixedCell().row, 1 + 6);
        Wheel(*grid, 120);
        QCOMPARE(grid->GetTopleftNonFixedCell().row, 1 + 3);

        // A negative setting, or one of a page or more, scrolls a page a notch.
        for (const int lines : {-1, 1000}) {
            grid->OnVScroll(GridScroll::Top);
            grid->SetWheelScrollLines(lines);
            Wheel(*grid, -120);
            QCOMPARE(grid->verticalScrollBar()->value(), grid->verticalScrollBar()->pageStep());
            const int fullyShown =
                (grid->viewport()->height() - grid->GetFixedRowHeight()) / grid->GetDefaultRowHeight();
            QVERIFY(grid->GetTopleftNonFixedCell().row - 1 >= fullyShown);
        }
    }

    void copyGivesTheSelectionsBoundsWithEmptyCellsAsSpaces()
    {
        auto grid = MakeGrid(4, 4, 1, 1);
        grid->SetItemText(1, 2, QString());
        grid->SetSelectedRange({1, 1, 2, 2});
        const QString expected = grid->GetItemText(1, 1) + QLatin1String("\t \n") + grid->GetItemText(2, 1) +
                                 QLatin1Char('\t') + grid->GetItemText(2, 2);
        QCOMPARE(grid->CopyText(), expected);

        // Cells of the bounds that are not selected are copied empty.
        grid->SetSelectedRange({1, 1, 1, 1});
        grid->SetItemState(2, 3, CellState::Selected);
        QCOMPARE(grid->CopyText(),
                 grid->GetItemText(1, 1) + QLatin1String("\t\t\n\t\t") + grid->GetItemText(2, 3));
    }

    // A grid made read-only, as the loss-test table is, takes no change from
    // the keys, the clipboard, a double click or a drop.
    void aReadOnlyGridTakesNoChange()
    {
        auto grid = MakeGrid(5, 5, 1, 1);
        grid->SetEditable(false);
        grid->SetFocusCell(2, 2);
        grid->SetSelectedRange({1, 1, 3, 3});
        const auto texts = [&grid] {
            QStringList all;
            for (int row = 0; row < grid->GetRowCount(); ++row)
                for (int col = 0; col < grid->GetColumnCount(); ++col)
                    all << grid->GetItemText(row, col);
            return all;
        };
        const QStringList before = texts();
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
        QMimeData dropped;
        dropped.setText(QStringLiteral("dropped"));
        const QPoint focus = CellCentre(*grid, 2, 2);
        const std::pair<const char*, std::function<void()>> inputs[] = {
            {"a letter", [&grid] { QTest::keyClicks(grid.get(), QStringLiteral("q")); }},
            {"Return", [&grid] { QTest::keyClick(grid.get(), Qt::Key_Return); }},
            {"Backspace", [&grid] { QTest::keyClick(grid.get(), Qt::Key_Backspace); }},
            {"Space", [&grid] { QTest::keyClick(grid.get(), Qt::Key_Space); }},
            {"Delete", [&grid] { QTest::keyClick(grid.get(), Qt::Key_Delete); }},
            {"paste", [&grid] { QTest::keyClick(grid.get(), Qt::Key_V, Qt::ControlModifier); }},
            {"cut", [&grid] { QTest::keyClick(grid.get(), Qt::Key_X, Qt::ControlModifier); }},
            {"a double click",
             [&] { SendMouse(*grid, QEvent::MouseButtonDblClick, focus, Qt::LeftButton, Qt::LeftButton); }},
            {"a drop",
             [&] {
                 QDragEnterEvent drag(focus, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
                 QApplication::sendEvent(grid->viewport(), &drag);
                 QVERIFY(!drag.isAccepted());
             }},
        };
        for (const auto& [what, input] : inputs) {
            input();
            QVERIFY2(!grid->GetInPlaceEdit(), what);
            QVERIFY2(texts() == before, what);
        }
    }

    // A cell's whole text shows in a tip only where it does not fit, until
    // the pointer leaves the cell or the grid, or a key is pressed.
    void titleTipOnlyForTextsThatDoNotFit()
    {
        auto grid = MakeGrid(6, 5, 1, 1);
        grid->activateWindow(); // a tip shows only over the window in use
        grid->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(grid.get()));
        CTitleTip* tip = grid->GetTitleTip();
        const auto move = [&grid](int row, int col) {
            SendMouse(*grid, QEvent::MouseMove, CellCentre(*grid, row, col), Qt::NoButton, Qt::NoButton);
        };
        grid->SetItemText(3, 3, QStringLiteral("ok"));
        move(3, 3);
        QVERIFY(!tip->isVisible());
        const QString longText(60, QLatin1Char('W'));
        grid->SetItemText(4, 3, longText);
        move(4, 3);
        QVERIFY(tip->isVisible());
        QCOMPARE(tip->GetText().trimmed(), longText);
        move(1, 1); // out of the hover rectangle
        QVERIFY(!tip->isVisible());
        move(4, 3);
        QVERIFY(tip->isVisible());
        QTest::keyClick(grid.get(), Qt::Key_Shift);
        QVERIFY(!tip->isVisible());
        move(4, 3);
        QVERIFY(tip->isVisible());
        QEvent leave(QEvent::Leave); // the pointer leaves the grid from the cell
        QApplication::sendEvent(grid->viewport(), &leave);
        QVERIFY(!tip->isVisible());
    }
};

QTEST_MAIN(GridInputTest)
#include "GridInputTest.moc"
