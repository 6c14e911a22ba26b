#include "report/CReport.h"

#include "data/CDataStore.h"

#include <algorithm>

namespace {
constexpr size_t ListRowsPerPage = 24;

unsigned ListPrintPages(size_t records)
{
    return records <= ListRowsPerPage
               ? 1u
               : static_cast<unsigned>((records + ListRowsPerPage - 1) / ListRowsPerPage);
}
} // namespace

CReport::CReport(CDataStore& store) : m_Store(store) {}

unsigned CReport::GetOpmPrintPages() const
{
    return ListPrintPages(m_Store.GetOpmRecords().size());
}

unsigned CReport::GetOrlPrintPages() const
{
    return ListPrintPages(m_Store.GetOrlRecords().size());
}

unsigned CReport::GetKav2PrintPages()
{
    return KavPrintPages(static_cast<int32_t>(m_Store.GetKavRecords2().size()), Kav2Paging);
}

unsigned CReport::GetKav3PrintPages()
{
    return KavPrintPages(static_cast<int32_t>(m_Store.GetKavRecords3().size()), Kav3Paging);
}

unsigned CReport::GroupPages(int records, KavPaging paging)
{
    if (records <= paging.firstPage)
        return 1;
    const int rest = records - paging.firstPage;
    return 1 + static_cast<unsigned>((rest + paging.continuationPage - 1) / paging.continuationPage);
}

unsigned CReport::KavPrintPages(int32_t recordCount, KavPaging paging)
{
    const std::vector<unsigned>& ends = GroupPageEnds(recordCount, paging);
    return ends.empty() ? 0 : ends.back();
}

const std::vector<unsigned>& CReport::GroupPageEnds(int32_t recordCount, KavPaging paging)
{
    const CableGroups& groups = m_Store.m_CableGroups;
    const PageTableKey key{paging.firstPage, recordCount, groups.CableGroupCount};
    if (m_PageTableKey == key)
        return m_GroupPageEnds;
    m_GroupPageEnds.clear();
    unsigned total = 0;
    for (int32_t g = 0; g < groups.CableGroupCount; ++g) {
        total += GroupPages(groups.End(g, recordCount) - groups.Begin(g), paging);
        m_GroupPageEnds.push_back(total);
    }
    m_PageTableKey = key;
    return m_GroupPageEnds;
}

std::optional<CReport::KavPage> CReport::FindKavPage(unsigned page, int32_t recordCount, KavPaging paging)
{
    const std::vector<unsigned>& ends = GroupPageEnds(recordCount, paging);
    const auto owner = std::lower_bound(ends.begin(), ends.end(), page);
    if (page == 0 || owner == ends.end())
        return std::nullopt;
    const int32_t g = static_cast<int32_t>(owner - ends.begin());
    const unsigned before = g == 0 ? 0 : ends[static_cast<size_t>(g) - 1];
    const unsigned k = page - before; // the page's number inside its group, from 1
    const CableGroups& groups = m_Store.m_CableGroups;
    const int32_t start = groups.Begin(g);
    const int32_t end = groups.End(g, recordCount);
    if (k == 1)
        return KavPage{g, start, std::min(start + paging.firstPage, end), true};
    const int32_t first = start + paging.firstPage + static_cast<int32_t>(k - 2) * paging.continuationPage;
    return KavPage{g, first, std::min(first + paging.continuationPage, end), false};
}
