#include "tests/grid/GridTestSupport.h"

#include <QScreen>
#include <QTest>

namespace {
// Three data rows of column 2 merged, the same text written into each row as
// the loss-test table does.
std::unique_ptr<CGridCtrl> GridWithMergedBlock()
{
    auto grid = MakeGrid(30, 5, 1, 1);
    for (int row = 2; row <= 4; ++row)
        grid->SetItemText(row, 2, QStringLiteral("WWW"));
    grid->MergeCells(2, 2, 2, 0, 0);
    return grid;
}

QImage Grab(CGridCtrl& grid)
{
    return grid.viewport()->grab().toImage();
}

// The inside of a cell, without its border lines.
QRect Inside(const CGridCtrl& grid, int row, int col)
{
    QRect rect;
    grid.GetCellRect(row, col, rect);
    return rect.adjusted(1, 1, -2, -2);
}

int LineY(const CGridCtrl& grid, int row)
{
    QRect rect;
    grid.GetCellRect(row, 0, rect);
    return rect.bottom();
}

int MiddleX(const CGridCtrl& grid, int col)
{
    QRect rect;
    grid.GetCellRect(0, col, rect);
    return rect.left() + rect.width() / 2;
}
} // namespace

class GridPaintTest : public QObject
{
    Q_OBJECT

private slots:
    // No line inside a block, its borders drawn, its text painted once.
    void mergedBlocksHideTheirInnerLinesAndShowTheirTextOnce()
    {
        auto grid = GridWithMergedBlock();
        QVERIFY(grid->MergeCells(6, 2, 0, 1, 0)); // two columns across
        const QImage image = Grab(*grid);
        for (const int row : {2, 3}) {
            QVERIFY2(IsDark(image.pixel(MiddleX(*grid, 3), LineY(*grid, row))), "line between rows missing");
            QVERIFY2(!IsDark(image.pixel(MiddleX(*grid, 2), LineY(*grid, row))),
                     "line inside a merged block");
        }
        QVERIFY(IsDark(image.pixel(MiddleX(*grid, 2), LineY(*grid, 4)))); // below the block again
        for (const auto& [row, border] : {std::pair{3, true}, std::pair{6, false}, std::pair{7, true}}) {
            QRect rect;
            grid->GetCellRect(row, 2, rect);
            QCOMPARE(IsDark(image.pixel(rect.right(), rect.center().y())), border);
        }
        QVERIFY(DarkPixels(image, Inside(*grid, 2, 2)) > 0);
        QCOMPARE(DarkPixels(image, Inside(*grid, 3, 2)) + DarkPixels(image, Inside(*grid, 4, 2)), 0);
    }

    // Scrolled until the block's first row is out of view: its text stays in
    // view, and the pixels moved on screen are those a full repaint gives
    // (the screen grab reads the window's own pixels, not a fresh render).
    void scrollingKeepsTheMergedTextAndMatchesAFullRepaint()
    {
        auto grid = GridWithMergedBlock();
        QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
        const auto shown = [&grid] {
            QApplication::processEvents();
            return grid->screen()->grabWindow(grid->winId()).toImage();
        };
        shown();
        grid->OnVScroll(GridScroll::LineDown); // row 1 leaves
        shown();
        grid->OnVScroll(GridScroll::LineDown); // row 2, the block's first row, leaves
        QCOMPARE(grid->GetTopleftNonFixedCell().row, 3);
        const QImage scrolled = shown();
        const QImage image = Grab(*grid);
        QVERIFY(DarkPixels(image, Inside(*grid, 3, 2)) > 0);
        QCOMPARE(DarkPixels(image, Inside(*grid, 4, 2)), 0);
        QVERIFY(!IsDark(image.pixel(MiddleX(*grid, 2), LineY(*grid, 3))));
        grid->viewport()->update();
        QCOMPARE(scrolled, shown());
    }

    void focusSelectionAndTheFocusRowsBoldHeaderAreDrawn()
    {
        auto grid = MakeGrid(10, 5, 1, 1);
        grid->SetItemText(3, 3, QString());
        grid->SetItemText(4, 3, QString());
        grid->SetSelectedRange({4, 3, 4, 3});
        grid->SetFocusCell(3, 3);
        const QImage image = Grab(*grid);
        QRect focus;
        grid->GetCellRect(3, 3, focus);
        QVERIFY(IsDark(image.pixel(focus.left(), focus.center().y()))); // the black outline
        const QColor highlight = grid->palette().color(QPalette::Highlight);
        QCOMPARE(QColor(image.pixel(Inside(*grid, 4, 3).center())), highlight);

        GridItem header; // in a font of its own, which turns bold as well
        header.mask = ItemMask::Text | ItemMask::Font;
        header.text = QStringLiteral("Header");
        header.font = QFont(grid->font().family(), grid->font().pointSize() - 1);
        for (header.row = 2; header.row <= 3; ++header.row)
            grid->SetItem(header);
        grid->SetFocusCell(2, 2);
        const QImage bold = Grab(*grid);
        QVERIFY(DarkPixels(bold, Inside(*grid, 2, 0)) > DarkPixels(bold, Inside(*grid, 3, 0)));
    }

    void areaBeyondTheCellsHasTheGridBackground()
    {
        auto grid = MakeGrid(3, 2, 1, 1, QSize(500, 400));
        const QImage image = Grab(*grid);
        const QPoint beyond(grid->viewport()->width() - 2, grid->viewport()->height() - 2);
        QCOMPARE(image.pixel(beyond) & 0xFFFFFF, grid->GetGridBkColour() & 0xFFFFFF);
    }
};

QTEST_MAIN(GridPaintTest)
#include "GridPaintTest.moc"
