#pragma once

#include <vector>

// The row heights (or column widths) of a grid with their running sums, so
// that finding the row at a pixel position costs a binary search whatever the
// number of rows. The sums are brought up to date lazily after a change.
class CAxisSizes
{
public:
    int Count() const { return static_cast<int>(m_Sizes.size()); }
    void Resize(int count, int defaultSize);
    int Size(int index) const { return m_Sizes[index]; }
    void SetSize(int index, int size);

    // Pixel position where the item starts (Start(Count()) is the total).
    int Start(int index) const;
    int Total() const { return Start(Count()); }
    // The item that contains the position, clamped to 0 .. Count() - 1.
    int IndexAt(int position) const;
    // The first item that starts at or after the position (Count() if none).
    int FirstStartingFrom(int position) const;

private:
    void Update(int upTo) const;

    std::vector<int> m_Sizes;
    mutable std::vector<int> m_Starts{0}; // m_Starts[i] = sum of the sizes before i
    mutable int m_ValidStarts = 0;        // m_Starts[0 .. m_ValidStarts] are up to date
};
