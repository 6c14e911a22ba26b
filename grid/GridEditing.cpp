#include "grid/GridCtrl.h"

#include "grid/InPlaceEdit.h"

void CGridCtrl::OnEditCell(int row, int col, EditStart how, const QString& typed)
{
    if (m_InPlaceEdit || !IsValid(row, col))
        return;
    // A merged block is edited through its first cell, whose text it shows.
    const CCellRange block = GetMergedRange(row, col);
    row = block.minRow;
    col = block.minCol;
    EnsureVisible(row, col);
    if (!IsCellEditable(row, col) || !IsCellFullyVisible(row, col))
        return;
    QRect rect;
    GetCellRect(row, col, rect);
    if (block.maxRow > block.minRow || block.maxCol > block.minCol)
        rect = BlockRect(block).translated(-1, -1);
    emit beginEdit(row, col);
    const CGridCell& cell = Cell(row, col);
    Qt::Alignment alignment = Qt::AlignLeft;
    if (Has(cell.m_Format, CellFormat::Right))
        alignment = Qt::AlignRight;
    else if (Has(cell.m_Format, CellFormat::HCenter))
        alignment = Qt::AlignHCenter;
    m_InPlaceEdit = new CInPlaceEdit(viewport(), rect, alignment, row, col, cell.m_Text, how, typed);
    connect(m_InPlaceEdit, &CInPlaceEdit::editEnded, this, &CGridCtrl::OnEndEditCell);
}

void CGridCtrl::OnEndEditCell(int row, int col, const QString& text, int lastKey)
{
    m_InPlaceEdit = nullptr; // it closes itself once it has told us
    if (!IsValid(row, col))
        return;
    if (text != Cell(row, col).m_Text) {
        SetItemText(row, col, text);
        RedrawCell(row, col);
    }
    emit endEdit(row, col);
    if (lastKey == 0)
        return; // the focus went elsewhere: leave it there
    setFocus(Qt::OtherFocusReason);
    switch (lastKey) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down: {
        const CCellId before = m_FocusCell;
        HandleNavigationKey(lastKey, Qt::NoModifier);
        if (m_FocusCell != before)
            OnEditCell(m_FocusCell.row, m_FocusCell.col, EditStart::Navigation);
        break;
    }
    default:
        break;
    }
}

void CGridCtrl::EndInPlaceEdit()
{
    if (m_InPlaceEdit)
        m_InPlaceEdit->EndEdit(0);
}

CInPlaceEdit* CGridCtrl::GetInPlaceEdit() const
{
    return m_InPlaceEdit;
}
