#pragma once

#include "grid/CellRange.h"
#include "grid/GridScroll.h"

#include <Qt>

#include <optional>

// What a navigation key's move depends on: the grid's extent, the focus cell
// and how the view is scrolled.
struct FocusGrid
{
    int rowCount = 0;
    int columnCount = 0;
    int fixedRowCount = 0;
    int fixedColumnCount = 0;
    CCellId focus;   // invalid while no cell has the focus
    CCellId topLeft; // the first scrolling cell in view, where a missing focus starts
    // How many rows the top row moves when the view is paged down or up.
    int rowsPagedDown = 0;
    int rowsPagedUp = 0;
};

// Where a key takes the focus.
struct FocusStep
{
    enum class Action
    {
        None,          // not a navigation key, or no cell to move to: the key goes on
        Move,          // scroll as asked, then move the focus to `cell`
        LeaveForward,  // the focus leaves the grid for the next control
        LeaveBackward, // ... for the previous one
    };
    Action action = Action::None;
    int key = 0; // the key as it moves: Shift+Tab is Backtab
    CCellId cell;
    // Scrolls made before the focus moves: paging, Home and End, and Tab
    // wrapping to the next or previous row.
    std::optional<GridScroll> vertical;
    std::optional<GridScroll> horizontal;
};

// The arrows move one cell, Tab and Shift+Tab along the row and on to the
// next or previous one, the page keys by the rows the view pages, Home and
// End to the first and last row; none leaves the scrolling cells. Tab past
// the last cell, Shift+Tab before the first, and either in a grid without
// scrolling cells leave the grid.
FocusStep NextFocus(int key, Qt::KeyboardModifiers modifiers, const FocusGrid& grid);
