#include "data/CableGroups.h"

void CableGroups::Clear()
{
    CableGroupCount = 0;
    CableGroupStart.clear();
    CableGroupNames.clear();
    CableGroupCurrent.clear();
}

void CableGroups::AddRecord(int32_t index, const std::string& name)
{
    if (CableGroupCount != 0 && name == CableGroupCurrent)
        return;
    CableGroupNames.push_back(name);
    CableGroupCurrent = name;
    CableGroupStart.resize(static_cast<size_t>(CableGroupCount));
    CableGroupStart.push_back(index);
    ++CableGroupCount;
}

int32_t CableGroups::Begin(int32_t g) const
{
    return CableGroupStart[static_cast<size_t>(g)];
}

int32_t CableGroups::End(int32_t g, int32_t recordCount) const
{
    return g + 1 < CableGroupCount ? CableGroupStart[static_cast<size_t>(g) + 1] : recordCount;
}
