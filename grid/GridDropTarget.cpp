#include "grid/GridDropTarget.h"

#include "grid/GridCtrl.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>

void CGridDropTarget::OnDragEnter(QDragMoveEvent* event)
{
    OnDragOver(event);
}

void CGridDropTarget::OnDragOver(QDragMoveEvent* event)
{
    if (!m_Grid->GetDragAndDropAllowed() || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    const CCellId cell = m_Grid->GetCellFromPt(event->position().toPoint());
    if (!m_Grid->IsCellEditable(cell.row, cell.col)) {
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
    const CCellId cell = m_Grid->GetCellFromPt(event->position().toPoint());
    Highlight({});
    if (!m_Grid->GetDragAndDropAllowed() || !event->mimeData()->hasText() ||
        !m_Grid->IsCellEditable(cell.row, cell.col)) {
        event->ignore();
        return;
    }
    m_Grid->PasteText(event->mimeData()->text(), cell);
    event->acceptProposedAction();
}

void CGridDropTarget::Highlight(CCellId cell)
{
    if (cell == m_LastDragOverCell)
        return;
    const CCellId previous = m_LastDragOverCell;
    if (m_Grid->IsValid(previous.row, previous.col)) {
        m_Grid->SetItemState(previous.row, previous.col,
                             m_Grid->GetItemState(previous.row, previous.col) & ~CellState::DropHighlighted);
    }
    if (m_Grid->IsValid(cell.row, cell.col)) {
        m_Grid->SetItemState(cell.row, cell.col,
                             m_Grid->GetItemState(cell.row, cell.col) | CellState::DropHighlighted);
    }
    m_LastDragOverCell = cell;
    m_Grid->viewport()->update();
}
