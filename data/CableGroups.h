#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Runs of consecutive loss-test records with the same cable name; the report
// starts a new section for each. Rebuilt by every loss-test decode. The table
// grows as needed: there is no limit on the number of groups.
struct CableGroups
{
    int32_t CableGroupCount = 0;
    // Element g is the index of group g's first record. The report keeps one
    // more element after the last group as its end mark.
    std::vector<int32_t> CableGroupStart;
    std::vector<std::string> CableGroupNames;
    std::string CableGroupCurrent; // the cable name of the group being built

    void Clear();
    // Starts a new group at record index when name differs from the current one.
    void AddRecord(int32_t index, const std::string& name);
    // First record of group g and one past its last, given the record count.
    int32_t Begin(int32_t g) const;
    int32_t End(int32_t g, int32_t recordCount) const;
};
