// The Windows headers define many common words as macros. A program that
// includes <windows.h> before the grid must still compile, and the grid's
// formats and scroll codes must keep the values of the desktop flags of the
// same meaning. The library headers come first, as they would in a real
// translation unit that includes Qt before <windows.h>; from then on the
// macros below stand in for <windows.h> (values as it defines them).
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

#define DT_TOP 0x00000000
#define DT_LEFT 0x00000000
#define DT_CENTER 0x00000001
#define DT_RIGHT 0x00000002
#define DT_VCENTER 0x00000004
#define DT_BOTTOM 0x00000008
#define DT_WORDBREAK 0x00000010
#define DT_SINGLELINE 0x00000020
#define DT_NOPREFIX 0x00000800
#define DT_END_ELLIPSIS 0x00008000
#define SB_LINEUP 0
#define SB_LINEDOWN 1
#define SB_PAGEUP 2
#define SB_PAGEDOWN 3
#define SB_THUMBPOSITION 4
#define SB_THUMBTRACK 5
#define SB_TOP 6
#define SB_BOTTOM 7
#define SB_HORZ 0
#define SB_VERT 1
#define SB_BOTH 3
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

#include "GridCtrl.h"

class GridWindowsMacrosTest : public QObject
{
    Q_OBJECT

private slots:
    void formatsAndScrollCodesKeepTheDesktopValues()
    {
        const std::pair<CellFormat, int> formats[] = {
            {CellFormat::Top, DT_TOP},
            {CellFormat::Left, DT_LEFT},
            {CellFormat::HCenter, DT_CENTER},
            {CellFormat::Right, DT_RIGHT},
            {CellFormat::VCenter, DT_VCENTER},
            {CellFormat::Bottom, DT_BOTTOM},
            {CellFormat::WordBreak, DT_WORDBREAK},
            {CellFormat::SingleLine, DT_SINGLELINE},
            {CellFormat::NoPrefix, DT_NOPREFIX},
            {CellFormat::EndEllipsis, DT_END_ELLIPSIS},
            {CentredWordWrap, DT_CENTER | DT_WORDBREAK},
            {FixedMergeFormat, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS},
        };
        for (const auto& [format, desktop] : formats) {
            QCOMPARE(int(BitsOf(format)), desktop);
        }
        const std::pair<GridScroll, int> codes[] = {
            {GridScroll::LineUp, SB_LINEUP},
            {GridScroll::LineDown, SB_LINEDOWN},
            {GridScroll::PageUp, SB_PAGEUP},
            {GridScroll::PageDown, SB_PAGEDOWN},
            {GridScroll::ThumbPosition, SB_THUMBPOSITION},
            {GridScroll::ThumbTrack, SB_THUMBTRACK},
            {GridScroll::Top, SB_TOP},
            {GridScroll::Bottom, SB_BOTTOM},
        };
        for (const auto& [code, desktop] : codes) {
            QCOMPARE(int(code), desktop);
        }
    }

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
