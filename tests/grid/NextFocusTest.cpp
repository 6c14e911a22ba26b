#include "grid/NextFocus.h"

#include <gtest/gtest.h>

// Where each navigation key takes the focus, without a widget: a grid of
// rows 0 to 9 and columns 0 to 4, the first row and column fixed, the top-left
// scrolling cell in view at (4, 2), paging 3 rows down and 2 up unless a case
// says otherwise.
namespace {
using Action = FocusStep::Action;
constexpr Qt::KeyboardModifiers None = Qt::NoModifier;
constexpr Qt::KeyboardModifiers Shift = Qt::ShiftModifier;
constexpr GridScroll LineDown = GridScroll::LineDown, LineUp = GridScroll::LineUp, Top = GridScroll::Top,
                     Bottom = GridScroll::Bottom, PageDown = GridScroll::PageDown,
                     PageUp = GridScroll::PageUp;

FocusGrid Grid(CCellId focus, int rowsPagedDown = 3, int rowsPagedUp = 2)
{
    return FocusGrid{10, 5, 1, 1, focus, CCellId{4, 2}, rowsPagedDown, rowsPagedUp};
}

// A grid whose only cells are fixed.
FocusGrid AllFixed(int rows, int columns)
{
    return FocusGrid{rows, columns, 1, 1, {}, {}, 0, 0};
}

FocusStep MoveTo(CCellId cell, std::optional<GridScroll> vertical = {},
                 std::optional<GridScroll> horizontal = {})
{
    FocusStep step;
    step.action = Action::Move;
    step.cell = cell;
    step.vertical = vertical;
    step.horizontal = horizontal;
    return step;
}

FocusStep Only(Action action)
{
    FocusStep step;
    step.action = action;
    return step;
}

struct Case
{
    const char* what;
    int key;
    Qt::KeyboardModifiers modifiers;
    FocusGrid grid;
    FocusStep expected; // its key aside
};
} // namespace

TEST(NextFocus, EachKeyMovesWithinTheScrollingCells)
{
    const Case cases[] = {
        {"down", Qt::Key_Down, None, Grid({3, 2}), MoveTo({4, 2})},
        {"down at the last row", Qt::Key_Down, None, Grid({9, 2}), MoveTo({9, 2})},
        {"up at the first scrolling row", Qt::Key_Up, None, Grid({1, 2}), MoveTo({1, 2})},
        {"right at the last column", Qt::Key_Right, None, Grid({3, 4}), MoveTo({3, 4})},
        {"left at the first scrolling column", Qt::Key_Left, None, Grid({3, 1}), MoveTo({3, 1})},
        {"left with shift moves alike", Qt::Key_Left, Shift, Grid({3, 3}), MoveTo({3, 2})},
        {"tab along the row", Qt::Key_Tab, None, Grid({3, 2}), MoveTo({3, 3})},
        {"tab wraps to the next row", Qt::Key_Tab, None, Grid({3, 4}), MoveTo({4, 1}, LineDown, Top)},
        {"tab past the last cell", Qt::Key_Tab, None, Grid({9, 4}), Only(Action::LeaveForward)},
        {"shift+tab back along the row", Qt::Key_Tab, Shift, Grid({3, 2}), MoveTo({3, 1})},
        {"shift+tab wraps to the row above", Qt::Key_Tab, Shift, Grid({3, 1}),
         MoveTo({2, 4}, LineUp, Bottom)},
        {"backtab before the first cell", Qt::Key_Backtab, None, Grid({1, 1}), Only(Action::LeaveBackward)},
        {"page down by the rows paged", Qt::Key_PageDown, None, Grid({2, 3}), MoveTo({5, 3}, PageDown)},
        {"page down near the end", Qt::Key_PageDown, None, Grid({8, 3}), MoveTo({9, 3}, PageDown)},
        {"page down, the view at its end", Qt::Key_PageDown, None, Grid({4, 3}, 0), MoveTo({9, 3}, PageDown)},
        {"page up by the rows paged", Qt::Key_PageUp, None, Grid({6, 3}), MoveTo({4, 3}, PageUp)},
        {"page up, the view at its top", Qt::Key_PageUp, None, Grid({6, 3}, 3, 0), MoveTo({1, 3}, PageUp)},
        {"home", Qt::Key_Home, None, Grid({6, 3}), MoveTo({1, 3}, Top)},
        {"end", Qt::Key_End, None, Grid({6, 3}), MoveTo({9, 3}, Bottom)},
        {"no focus yet: the top-left cell in view", Qt::Key_Down, None, Grid({}), MoveTo({4, 2})},
        {"not a navigation key", Qt::Key_Delete, None, Grid({3, 2}), Only(Action::None)},
        {"no scrolling rows: tab leaves", Qt::Key_Tab, None, AllFixed(1, 5), Only(Action::LeaveForward)},
        {"no scrolling columns: shift+tab leaves", Qt::Key_Tab, Shift, AllFixed(10, 1),
         Only(Action::LeaveBackward)},
        {"no scrolling rows: an arrow goes on", Qt::Key_Down, None, AllFixed(1, 5), Only(Action::None)},
    };
    for (const Case& c : cases) {
        const FocusStep step = NextFocus(c.key, c.modifiers, c.grid);
        EXPECT_EQ(step.action, c.expected.action) << c.what;
        EXPECT_EQ(step.cell, c.expected.cell) << c.what << ": " << step.cell.row << "," << step.cell.col;
        EXPECT_EQ(step.vertical, c.expected.vertical) << c.what;
        EXPECT_EQ(step.horizontal, c.expected.horizontal) << c.what;
    }
    // Shift+Tab moves as Backtab, which the selection and the scroll into
    // view take for a Tab backwards.
    EXPECT_EQ(NextFocus(Qt::Key_Tab, Shift, Grid({3, 2})).key, Qt::Key_Backtab);
}
