#include "platform/draw/MergedLines.h"

#include <algorithm>

namespace {
// Merges lines that all lie on rows (or all on columns, with the axes
// swapped by the caller): sorted by row and start, each run that overlaps or
// touches becomes one line.
void MergeAlongRows(std::vector<QLine>& rows, std::vector<QLine>& merged)
{
    std::sort(rows.begin(), rows.end(), [](const QLine& a, const QLine& b) {
        return a.y1() != b.y1() ? a.y1() < b.y1() : a.x1() < b.x1();
    });
    for (size_t i = 0; i < rows.size();) {
        QLine run = rows[i];
        for (++i; i < rows.size() && rows[i].y1() == run.y1() && rows[i].x1() <= run.x2(); ++i)
            run.setP2(QPoint(std::max(run.x2(), rows[i].x2()), run.y2()));
        merged.push_back(run);
    }
}

QLine Transposed(const QLine& line)
{
    return QLine(line.y1(), line.x1(), line.y2(), line.x2());
}

// From left to right, or from top to bottom.
QLine Forwards(const QLine& line)
{
    return (line.x1() > line.x2() || line.y1() > line.y2()) ? QLine(line.p2(), line.p1()) : line;
}
} // namespace

std::vector<QLine> MergedLines(const std::vector<QLine>& lines)
{
    std::vector<QLine> rows, columns, merged;
    for (const QLine& line : lines)
        if (line.y1() == line.y2() && line.x1() != line.x2())
            rows.push_back(Forwards(line));
        else if (line.x1() == line.x2() && line.y1() != line.y2())
            columns.push_back(Transposed(Forwards(line)));
        else
            merged.push_back(line);
    MergeAlongRows(rows, merged);
    const size_t firstColumn = merged.size();
    MergeAlongRows(columns, merged);
    for (size_t i = firstColumn; i < merged.size(); ++i)
        merged[i] = Transposed(merged[i]);
    return merged;
}
