#pragma once

#include "grid/CellRange.h"

class CGridCtrl;
class QDragMoveEvent;
class QDropEvent;

// Receives what is dragged over the grid. While the grid does not allow drag
// and drop every offer is refused; otherwise text is accepted, the cell under
// the pointer is highlighted and the drop is pasted there.
class CGridDropTarget
{
public:
    explicit CGridDropTarget(CGridCtrl* grid) : m_Grid(grid) {}

    void OnDragEnter(QDragMoveEvent* event);
    void OnDragOver(QDragMoveEvent* event);
    void OnDragLeave();
    void OnDrop(QDropEvent* event);

private:
    void Highlight(CCellId cell);

    CGridCtrl* m_Grid;
    CCellId m_LastDragOverCell;
};
