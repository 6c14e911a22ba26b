#include "grid/GridCtrl.h"

#include <algorithm>

// List mode only: the rows below the fixed ones are ordered by the text of one
// column, keeping the order of equal texts.
void CGridCtrl::SortTextItems(int col, bool ascending)
{
    if (col < 0 || col >= m_ColumnCount || m_RowCount - m_FixedRowCount < 2)
        return;
    // Focus and selection name positions, which no longer hold the same rows.
    SetFocusCell(-1, -1);
    ClearSelection();
    std::vector<int> order(static_cast<size_t>(m_RowCount - m_FixedRowCount));
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = m_FixedRowCount + static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int compared = QString::localeAwareCompare(Cell(a, col).m_Text, Cell(b, col).m_Text);
        return ascending ? compared < 0 : compared > 0;
    });
    std::vector<CGridCell> sorted(m_Cells.size());
    std::move(m_Cells.begin(), m_Cells.begin() + static_cast<long>(m_FixedRowCount) * m_ColumnCount,
              sorted.begin());
    std::vector<int> heights;
    for (size_t i = 0; i < order.size(); ++i) {
        const int from = order[i];
        const int to = m_FixedRowCount + static_cast<int>(i);
        for (int c = 0; c < m_ColumnCount; ++c)
            sorted[static_cast<size_t>(to) * m_ColumnCount + c] = std::move(Cell(from, c));
        heights.push_back(m_RowHeights.Size(from));
    }
    m_Cells.swap(sorted);
    QHash<quint64, qint32> values;
    for (size_t i = 0; i < order.size(); ++i) {
        for (int c = 0; c < m_ColumnCount; ++c) {
            const auto it = m_UserValues.constFind(CellKey(order[i], c));
            if (it != m_UserValues.constEnd())
                values.insert(CellKey(m_FixedRowCount + static_cast<int>(i), c), it.value());
        }
    }
    for (auto it = m_UserValues.constBegin(); it != m_UserValues.constEnd(); ++it)
        if (int(it.key() >> 32) < m_FixedRowCount)
            values.insert(it.key(), it.value());
    m_UserValues.swap(values);
    for (size_t i = 0; i < heights.size(); ++i)
        m_RowHeights.SetSize(m_FixedRowCount + static_cast<int>(i), heights[i]);
    m_SortColumn = col;
    m_SortAscending = ascending;
    Redraw();
}
