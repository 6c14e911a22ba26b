#include "grid/InPlaceEdit.h"
#include "grid/TitleTip.h"
#include "tests/grid/GridTestSupport.h"

#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

namespace {
void MoveMouse(CGridCtrl& grid, QPoint point)
{
    SendMouse(grid, QEvent::MouseMove, point, Qt::NoButton, Qt::NoButton);
}
} // namespace

class GridEditTest : public QObject
{
    Q_OBJECT

private slots:
    // An active window with a focused grid, so the editor and the tip behave
    // as they do for a user.
    void init()
    {
        m_Grid = MakeGrid(6, 5, 1, 1);
        m_Grid->activateWindow();
        m_Grid->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(m_Grid.get()));
        m_Grid->SetFocusCell(2, 2);
    }

    void cleanup() { m_Grid.reset(); }

    void typingALetterReplacesTheTextAndBackspaceCutsIt()
    {
        QSignalSpy begin(m_Grid.get(), &CGridCtrl::beginEdit);
        QTest::keyClicks(m_Grid.get(), QStringLiteral("q"));
        CInPlaceEdit* edit = m_Grid->GetInPlaceEdit();
        QVERIFY(edit);
        QCOMPARE(edit->text(), QStringLiteral("q"));
        QCOMPARE(begin.count(), 1);
        QTest::keyClicks(edit, QStringLiteral("rs"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(m_Grid->GetItemText(2, 2), QStringLiteral("qrs"));
        // Backspace edits the text without its last character.
        QTest::keyClick(m_Grid.get(), Qt::Key_Backspace);
        QVERIFY(m_Grid->GetInPlaceEdit());
        QTest::keyClick(m_Grid->GetInPlaceEdit(), Qt::Key_Enter);
        QCOMPARE(m_Grid->GetItemText(2, 2), QStringLiteral("qr"));
    }

    void escapeKeepsTheOldTextEnterKeepsTheFocusCellAndTabMovesOn()
    {
        const QString old = m_Grid->GetItemText(2, 2);
        QSignalSpy end(m_Grid.get(), &CGridCtrl::endEdit);
        QTest::keyClicks(m_Grid.get(), QStringLiteral("zz"));
        QTest::keyClick(m_Grid->GetInPlaceEdit(), Qt::Key_Escape);
        QCOMPARE(m_Grid->GetItemText(2, 2), old);
        QCOMPARE(end.count(), 1);
        QVERIFY(m_Grid->GetFocusCell() == (CCellId{2, 2}));
        QTest::keyClick(m_Grid.get(), Qt::Key_Return);
        QTest::keyClicks(m_Grid->GetInPlaceEdit(), QStringLiteral("!"));
        QTest::keyClick(m_Grid->GetInPlaceEdit(), Qt::Key_Return);
        QCOMPARE(m_Grid->GetItemText(2, 2), old + QLatin1Char('!'));
        QVERIFY(m_Grid->GetFocusCell() == (CCellId{2, 2}));
        QVERIFY(!m_Grid->GetInPlaceEdit());
        // Tab stores the text, moves on and edits the next cell.
        QTest::keyClicks(m_Grid.get(), QStringLiteral("n"));
        QTest::keyClick(m_Grid->GetInPlaceEdit(), Qt::Key_Tab);
        QCOMPARE(m_Grid->GetItemText(2, 2), QStringLiteral("n"));
        QVERIFY(m_Grid->GetFocusCell() == (CCellId{2, 3}));
        CInPlaceEdit* next = m_Grid->GetInPlaceEdit();
        QVERIFY(next);
        QCOMPARE(next->GetColumn(), 3);
        QCOMPARE(next->selectedText(), m_Grid->GetItemText(2, 3));
    }

    void arrowsEndAKeyStartedEditButMoveInsideAClickStartedOne()
    {
        QTest::keyClicks(m_Grid.get(), QStringLiteral("k"));
        QTest::keyClick(m_Grid->GetInPlaceEdit(), Qt::Key_Down);
        QVERIFY(m_Grid->GetFocusCell() == (CCellId{3, 2}));
        QTest::keyClick(m_Grid->GetInPlaceEdit(), Qt::Key_Escape);
        Click(*m_Grid, CellCentre(*m_Grid, 3, 2)); // on the focus cell: edit by mouse
        CInPlaceEdit* edit = m_Grid->GetInPlaceEdit();
        QVERIFY(edit);
        QTest::keyClick(edit, Qt::Key_Left);
        QCOMPARE(m_Grid->GetInPlaceEdit(), edit);
        QTest::keyClick(edit, Qt::Key_Left, Qt::ControlModifier);
        QVERIFY(m_Grid->GetFocusCell() == (CCellId{3, 1}));
        QVERIFY(m_Grid->GetInPlaceEdit());
        QCOMPARE(m_Grid->GetInPlaceEdit()->GetColumn(), 1);
    }

    void editorGrowsWithItsTextWithinTheClientAreaUntilAResizeEndsIt()
    {
        QTest::keyClicks(m_Grid.get(), QStringLiteral("a"));
        CInPlaceEdit* edit = m_Grid->GetInPlaceEdit();
        const int start = edit->width();
        QTest::keyClicks(edit, QString(80, QLatin1Char('w')));
        QVERIFY(edit->width() > start);
        QVERIFY(edit->geometry().right() < m_Grid->viewport()->width());
        // A resize ends the edit, keeping the text.
        m_Grid->resize(m_Grid->width() + 10, m_Grid->height());
        QVERIFY(!m_Grid->GetInPlaceEdit());
        QCOMPARE(m_Grid->GetItemText(2, 2), "a" + QString(80, QLatin1Char('w')));
    }

    void mergedCellsAreEditedThroughTheirBlockUnlessTheyHaveAnAttribute()
    {
        QVERIFY(m_Grid->MergeCells(3, 3, 1, 0, 1));
        m_Grid->OnEditCell(3, 3, EditStart::Mouse);
        QVERIFY(!m_Grid->GetInPlaceEdit());
        m_Grid->SetFocusCell(4, 3);
        QTest::keyClicks(m_Grid.get(), QStringLiteral("x"));
        QVERIFY(!m_Grid->GetInPlaceEdit());
        QCOMPARE(m_Grid->GetItemText(3, 3), QStringLiteral("3,3"));

        // Without an attribute, a covered cell is edited through its block.
        QVERIFY(m_Grid->MergeCells(3, 1, 2, 0, 0));
        m_Grid->SetFocusCell(4, 1);
        QTest::keyClicks(m_Grid.get(), QStringLiteral("m"));
        CInPlaceEdit* edit = m_Grid->GetInPlaceEdit();
        QVERIFY(edit);
        QCOMPARE(edit->GetRow(), 3);
        QRect first;
        m_Grid->GetCellRect(3, 1, first);
        QCOMPARE(edit->geometry().top(), first.top() - 1);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(m_Grid->GetItemText(3, 1), QStringLiteral("m"));
    }

    void titleTipOnlyForTextsThatDoNotFit()
    {
        CTitleTip* tip = m_Grid->GetTitleTip();
        m_Grid->SetItemText(3, 3, QStringLiteral("ok"));
        MoveMouse(*m_Grid, CellCentre(*m_Grid, 3, 3));
        QVERIFY(!tip->isVisible());
        const QString longText(60, QLatin1Char('W'));
        m_Grid->SetItemText(4, 3, longText);
        MoveMouse(*m_Grid, CellCentre(*m_Grid, 4, 3));
        QVERIFY(tip->isVisible());
        QCOMPARE(tip->GetText().trimmed(), longText);
        MoveMouse(*m_Grid, CellCentre(*m_Grid, 1, 1)); // out of the hover rectangle
        QVERIFY(!tip->isVisible());
        MoveMouse(*m_Grid, CellCentre(*m_Grid, 4, 3));
        QVERIFY(tip->isVisible());
        QTest::keyClick(m_Grid.get(), Qt::Key_Shift);
        QVERIFY(!tip->isVisible());
        MoveMouse(*m_Grid, CellCentre(*m_Grid, 4, 3));
        QVERIFY(tip->isVisible());
        QEvent leave(QEvent::Leave); // the pointer leaves the grid from the cell
        QApplication::sendEvent(m_Grid->viewport(), &leave);
        QVERIFY(!tip->isVisible());
    }

    void dragAndDropOnlyWhenAllowed()
    {
        QMimeData data;
        data.setText(QStringLiteral("dropped"));
        const QPoint point = CellCentre(*m_Grid, 3, 3);
        QDragEnterEvent refused(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_Grid->viewport(), &refused);
        QVERIFY(!refused.isAccepted());
        m_Grid->SetDragAndDropAllowed(true);
        QDragEnterEvent accepted(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_Grid->viewport(), &accepted);
        QVERIFY(accepted.isAccepted());
        QVERIFY(Has(m_Grid->GetItemState(3, 3), CellState::DropHighlighted));
        QDropEvent drop(QPointF(point), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_Grid->viewport(), &drop);
        QCOMPARE(m_Grid->GetItemText(3, 3), QStringLiteral("dropped"));
        QVERIFY(!Has(m_Grid->GetItemState(3, 3), CellState::DropHighlighted));

        // A click on a selected cell prepares a drag.
        m_Grid->SetSelectedRange({3, 1, 3, 3});
        SendMouse(*m_Grid, QEvent::MouseButtonPress, CellCentre(*m_Grid, 3, 2), Qt::LeftButton,
                  Qt::LeftButton);
        QCOMPARE(m_Grid->GetMouseMode(), CGridCtrl::MouseMode::PrepareDrag);
        SendMouse(*m_Grid, QEvent::MouseButtonRelease, CellCentre(*m_Grid, 3, 2), Qt::LeftButton,
                  Qt::NoButton);
        QVERIFY(m_Grid->IsSelectionEmpty());
        QVERIFY(!m_Grid->GetFocusCell().IsValid());
    }

private:
    std::unique_ptr<CGridCtrl> m_Grid;
};

QTEST_MAIN(GridEditTest)
#include "GridEditTest.moc"
