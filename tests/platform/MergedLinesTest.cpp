#include "platform/draw/MergedLines.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace {
// The unit steps a set of horizontal and vertical lines covers, and the
// points of those of zero length: two sets of lines draw the same ink when
// these agree.
using Step = std::tuple<int, int, int, int>; // from x, y to x, y, the lesser end first

Step StepOf(const QPoint& a, const QPoint& b)
{
    const bool aFirst = a.x() != b.x() ? a.x() < b.x() : a.y() <= b.y();
    return aFirst ? Step{a.x(), a.y(), b.x(), b.y()} : Step{b.x(), b.y(), a.x(), a.y()};
}

std::set<Step> Ink(const std::vector<QLine>& lines)
{
    std::set<Step> steps;
    for (const QLine& line : lines) {
        const QPoint d(line.dx() > 0   ? 1
                       : line.dx() < 0 ? -1
                                       : 0,
                       line.dy() > 0   ? 1
                       : line.dy() < 0 ? -1
                                       : 0);
        if (d.x() != 0 && d.y() != 0) {
            steps.insert(StepOf(line.p1(), line.p2())); // a slanted line is kept whole
            continue;
        }
        if (d.isNull())
            steps.insert(StepOf(line.p1(), line.p1()));
        for (QPoint p = line.p1(); p != line.p2(); p += d)
            steps.insert(StepOf(p, p + d));
    }
    return steps;
}
} // namespace

TEST(MergedLinesTest, ABoxedTableBecomesOneLinePerRule)
{
    // The four edges of every cell of a 4 x 3 table, as the report boxes its cells.
    std::vector<QLine> boxes;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) {
            const int l = c * 10, t = r * 7, rt = l + 10, b = t + 7;
            boxes.insert(boxes.end(),
                         {QLine(l, t, rt, t), QLine(rt, t, rt, b), QLine(rt, b, l, b), QLine(l, b, l, t)});
        }
    const std::vector<QLine> merged = MergedLines(boxes);
    EXPECT_EQ(Ink(merged), Ink(boxes));
    EXPECT_EQ(merged.size(), size_t{(3 + 1) + (4 + 1)});
}

TEST(MergedLinesTest, OnlyLinesThatTouchOrOverlapJoin)
{
    const std::vector<QLine> lines = {
        QLine(0, 0, 5, 0),     QLine(5, 0, 9, 0),   // touching: one
        QLine(20, 0, 30, 0),   QLine(28, 0, 22, 0), // one inside the other, drawn backwards
        QLine(40, 0, 45, 0),   QLine(47, 0, 50, 0), // a gap: two
        QLine(0, 1, 9, 1),                          // another row
        QLine(3, 3, 3, 8),     QLine(3, 8, 3, 12),  // a column
        QLine(0, 0, 7, 7),                          // slanted: kept
        QLine(60, 60, 60, 60),                      // a dot: kept
    };
    const std::vector<QLine> merged = MergedLines(lines);
    EXPECT_EQ(Ink(merged), Ink(lines));
    EXPECT_EQ(merged.size(), lines.size() - 3); // three pairs joined
}
