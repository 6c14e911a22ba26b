// The Windows headers define many common words as macros. A program that
// includes <windows.h> before the grid must still compile. The library
// headers come first, as they would in a real translation unit that includes
// Qt before <windows.h>; from then on the macros below stand in for
// <windows.h> (values as it defines them).
#include <QAbstractScrollArea>
#include <QApplication>
#include <QFont>
#include <QHash>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <type_traits>
#include <vector>

#define DrawText DrawTextW
#define TextOut TextOutW
#define GetObject GetObjectW
#define CreateFont CreateFontW
#define LoadImage LoadImageW
#define MessageBox MessageBoxW
#define GetCurrentTime() GetTickCount()
#define Yield()
#define ERROR 0
#define DELETE (0x00010000L)
#define IGNORE 0
#define OPAQUE 2
#define TRANSPARENT 1
#define ABSOLUTE 1
#define RELATIVE 2
#define IN
#define OUT
#define OPTIONAL
#define near
#define far
#define small char
#define interface struct

#include "grid/GridCtrl.h"

class GridWindowsMacrosTest : public QObject
{
    Q_OBJECT

private slots:
    void aGridIsFilledAndScrolledWithTheMacrosDefined()
    {
        CGridCtrl grid(20, 3, 1, 1);
        grid.resize(200, 100);
        grid.show();
        grid.SetItemFormat(1, 1, CentredWordWrap);
        QVERIFY(grid.MergeCells(1, 1, 1, 0, 0));
        grid.OnVScroll(GridScroll::Bottom);
        QCOMPARE(grid.GetVisibleNonFixedCellRange().maxRow, grid.GetRowCount() - 1);
        QCOMPARE(grid.GetItemFormat(1, 1), CentredWordWrap);
    }
};

QTEST_MAIN(GridWindowsMacrosTest)
#include "GridWindowsMacrosTest.moc"
