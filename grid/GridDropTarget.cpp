#include "GridDropTarget.h"

#include "GridCtrl.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>

void CGridDropTarget::OnDragEnter(QDragMoveEvent* event)
{
    OnDragOver(event);
}

void CGridDropTarget::OnDragOver(QDragMoveEvent* event)
{
    if (!m_pGridCtrl->GetDragAndDropAllowed() || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    const CCellId cell = m_pGridCtrl->GetCellFromPt(event->position().toPoint());
    if (!m_pGridCtrl->IsCellEditable(cell.row, cell.col)) {
        Highlight({});
        event->ignore();
        return;
    }
    Highlight(cell);
    event->acceptProposedAction();
}

void CGridDropTarget::OnDragLeave()
{
    Highlight({});
}

void CGridDropTarget::OnDrop(QDropEvent* event)
{
    const CCellId cell = m_pGridCtrl->GetCellFromPt(event->position().toPoint());
    Highlight({});
    if (!m_pGridCtrl->GetDragAndDropAllowed() || !event->mimeData()->hasText() ||
        !m_pGridCtrl->IsCellEditable(cell.row, cell.col)) {
        event->ignore();
        return;
    }
    m_pGridCtrl->PasteText(event->mimeData()->text(), cell);
    event->acceptProposedAction();
}

void CGridDropTarget::Highlight(CCellId cell)
{
    if (cell == m_LastDragOverCell) {
        return;
    }
    const CCellId previous = m_LastDragOverCell;
    if (m_pGridCtrl->IsValid(previous.row, previous.col)) {
        m_pGridCtrl->SetItemState(previous.row, previous.col,
                                  m_pGridCtrl->GetItemState(previous.row, previous.col) & ~GVIS_DROPHILITED);
    }
    if (m_pGridCtrl->IsValid(cell.row, cell.col)) {
        m_pGridCtrl->SetItemState(cell.row, cell.col, m_pGridCtrl->GetItemState(cell.row, cell.col) | GVIS_DROPHILITED);
    }
    m_LastDragOverCell = cell;
    m_pGridCtrl->viewport()->update();
}
