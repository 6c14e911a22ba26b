#include "grid/AxisSizes.h"
#include "tests/grid/GridTestSupport.h"

#include <QFontMetrics>
#include <QTest>

class GridModelTest : public QObject
{
    Q_OBJECT

private slots:
    void axisSizesFindPositionsAfterChanges()
    {
        CAxisSizes sizes;
        sizes.Resize(5, 10);
        sizes.SetSize(2, 30);
        QCOMPARE(sizes.Start(3), 10 + 10 + 30);
        QCOMPARE(sizes.Total(), 4 * 10 + 30);
        QCOMPARE(sizes.IndexAt(49), 2);
        QCOMPARE(sizes.IndexAt(50), 3);
        QCOMPARE(sizes.FirstStartingFrom(21), 3);
        sizes.SetSize(0, 5); // sums before an earlier change must be redone
        QCOMPARE(sizes.Start(3), 5 + 10 + 30);
    }

    // Growing keeps the texts and adds default sizes; shrinking drops a
    // focus left outside and cuts a block at the new edge.
    void growingAndShrinkingKeepWhatStays()
    {
        auto grid = MakeGrid(6, 2, 1, 1);
        grid->SetFocusCell(5, 1);
        QVERIFY(grid->MergeCells(3, 1, 2, 0, 0));
        grid->SetColumnCount(4);
        grid->SetRowCount(8);
        QCOMPARE(grid->GetItemText(2, 1), QStringLiteral("2,1"));
        QCOMPARE(grid->GetItemText(4, 3), QString());
        QCOMPARE(grid->GetColumnWidth(3), grid->GetDefaultColumnWidth());
        QCOMPARE(grid->GetRowHeight(7), grid->GetDefaultRowHeight());
        grid->SetRowCount(5);
        QVERIFY(!grid->GetFocusCell().IsValid());
        QCOMPARE(grid->GetMergedRange(3, 1).maxRow, 4);
        QVERIFY(!grid->GetCell(4, 1)->ContinuesBelow());
        grid->SetColumnCount(1);
        QCOMPARE(grid->GetItemText(2, 0), QStringLiteral("2,0"));
    }

    void defaultSizesFollowTheFont()
    {
        CGridCtrl grid;
        const int margin = grid.GetMargin(), height = grid.GetDefaultRowHeight();
        const int width = grid.GetDefaultColumnWidth();
        QFont font = grid.font();
        font.setPointSize(font.pointSize() * 2);
        grid.setFont(font);
        QVERIFY(grid.GetMargin() > margin);
        QVERIFY(grid.GetDefaultRowHeight() > height);
        QVERIFY(grid.GetDefaultRowHeight() >= QFontMetrics(font).height() + 2 * grid.GetMargin());
        QVERIFY(grid.GetDefaultColumnWidth() > width);
    }

    // A colour set through SetItem, as the verdicts are, keeps the text.
    void setItemCopiesOnlyMaskedMembers()
    {
        auto grid = MakeGrid(2, 2, 0, 0);
        GridItem item;
        item.row = 1;
        item.col = 1;
        item.mask = ItemMask::BkColour;
        item.text = QStringLiteral("not taken");
        item.bkColour = qRgb(10, 20, 30);
        QVERIFY(grid->SetItem(item));
        GridItem read;
        read.row = 1;
        read.col = 1;
        read.mask = ItemMask::Text | ItemMask::BkColour;
        QVERIFY(grid->GetItem(read));
        QCOMPARE(read.text, QStringLiteral("1,1"));
        QCOMPARE(read.bkColour, item.bkColour);
    }

    // Every cell of a block knows the block (the lines the painter leaves
    // out inside it are the paint test's), fixed blocks as the table's cable
    // column has them too.
    void mergedBlocks()
    {
        auto grid = MakeGrid(6, 4, 1, 1);
        QVERIFY(grid->MergeCells(2, 1, 2, 1, 3));
        QVERIFY(grid->MergeFixedCells(2, 0, 2, 0));
        for (int row = 2; row <= 4; ++row) {
            for (int col = 1; col <= 2; ++col)
                QVERIFY(grid->GetMergedRange(row, col) == (CCellRange{2, 1, 4, 2}));
            QVERIFY(grid->GetMergedRange(row, 0) == (CCellRange{2, 0, 4, 0}));
        }
        QVERIFY(grid->GetCell(4, 2)->IsCovered() && !grid->GetCell(2, 1)->IsCovered());
    }

    void expandColumnsToFitSharesTheDifference_data()
    {
        QTest::addColumn<int>("difference");
        QTest::newRow("7 wider") << 7;
        QTest::newRow("7 narrower") << -7;
        QTest::newRow("exact") << 0;
        QTest::newRow("6 wider") << 6;
    }

    void expandColumnsToFitSharesTheDifference()
    {
        QFETCH(int, difference);
        auto grid = MakeGrid(2, 3, 0, 0);
        const int client = grid->viewport()->width();
        const int base[3] = {client / 3, client / 3, client - 2 * (client / 3) - difference};
        for (int col = 0; col < 3; ++col)
            grid->SetColumnWidth(col, base[col]);
        grid->ExpandColumnsToFit();
        const int share = difference / 3;
        const int remainder = std::abs(difference) % 3;
        const int sign = difference > 0 ? 1 : -1;
        for (int col = 0; col < 3; ++col)
            QCOMPARE(grid->GetColumnWidth(col) - base[col], share + (col < remainder ? sign : 0));
        QCOMPARE(grid->GetVirtualWidth(), client);
    }

    void deleteAllItemsLeavesAnEmptyGrid()
    {
        auto grid = MakeGrid(4, 4, 1, 1);
        grid->SetFocusCell(2, 2);
        grid->SelectAllCells();
        grid->DeleteAllItems();
        QCOMPARE(grid->GetRowCount() + grid->GetColumnCount() + grid->GetFixedRowCount(), 0);
        QVERIFY(!grid->GetFocusCell().IsValid());
        QVERIFY(grid->IsSelectionEmpty());
    }

    void systemColourChangeFollowsOnlyUntouchedColours()
    {
        auto grid = MakeGrid(2, 2, 0, 0);
        const QRgb custom = qRgb(1, 2, 3);
        grid->SetFixedBkColour(custom);
        QPalette colours = grid->palette();
        colours.setColor(QPalette::Base, QColor(250, 240, 200));
        colours.setColor(QPalette::Button, QColor(100, 110, 120));
        grid->setPalette(colours);
        QCOMPARE(grid->GetTextBkColour(), QColor(250, 240, 200).rgb() & 0xFFFFFF);
        QCOMPARE(grid->GetFixedBkColour(), custom);
    }
};

QTEST_MAIN(GridModelTest)
#include "GridModelTest.moc"
