#include "grid/AxisSizes.h"

#include <algorithm>

void CAxisSizes::Resize(int count, int defaultSize)
{
    m_Sizes.resize(static_cast<size_t>(count), defaultSize);
    m_Starts.resize(static_cast<size_t>(count) + 1);
    m_ValidStarts = std::min(m_ValidStarts, count);
}

void CAxisSizes::SetSize(int index, int size)
{
    m_Sizes[index] = size;
    m_ValidStarts = std::min(m_ValidStarts, index);
}

void CAxisSizes::Update(int upTo) const
{
    for (int i = m_ValidStarts; i < upTo; ++i)
        m_Starts[i + 1] = m_Starts[i] + m_Sizes[i];
    m_ValidStarts = std::max(m_ValidStarts, upTo);
}

int CAxisSizes::Start(int index) const
{
    if (index > m_ValidStarts)
        Update(index);
    return m_Starts[index];
}

int CAxisSizes::IndexAt(int position) const
{
    if (m_Sizes.empty())
        return 0;
    Update(Count());
    const auto it = std::upper_bound(m_Starts.begin(), m_Starts.end(), position);
    const int index = static_cast<int>(it - m_Starts.begin()) - 1;
    return std::clamp(index, 0, Count() - 1);
}

int CAxisSizes::FirstStartingFrom(int position) const
{
    Update(Count());
    const auto it = std::lower_bound(m_Starts.begin(), m_Starts.end() - 1, position);
    return static_cast<int>(it - m_Starts.begin());
}
