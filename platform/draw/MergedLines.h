#pragma once

#include <QLine>

#include <vector>

// The same ink as `lines` in fewer lines: horizontal lines on one row, and
// vertical lines in one column, that overlap or touch become one; others
// stay as they are. A table of boxed cells, whose neighbours share their
// edges, becomes one line per rule.
std::vector<QLine> MergedLines(const std::vector<QLine>& lines);
