#include "data/CDataStore.h"
#include "data/NameDecoding.h"
#include "report/CReport.h"
#include "report/ReportDrawing.h"

#include <algorithm>
#include <utility>

// The loss-test report's pages: every cable group starts a page.

CReport::CReport(const CDataStore& store, ReportBrand brand, KavReportTable table)
    : m_Store(store), m_Brand(std::move(brand)), m_Table(std::move(table))
{
}

unsigned CReport::GetKav2PrintPages()
{
    return KavPrintPages(2);
}

unsigned CReport::GetKav3PrintPages()
{
    return KavPrintPages(3);
}

CReport::KavPaging CReport::PagingOf(int waveCount)
{
    return waveCount == 3 ? Kav3Paging : Kav2Paging;
}

int32_t CReport::KavRecordCount(int waveCount) const
{
    return static_cast<int32_t>(waveCount == 3 ? m_Store.GetKavRecords3().size()
                                               : m_Store.GetKavRecords2().size());
}

unsigned CReport::GroupPages(int records, KavPaging paging)
{
    if (records <= paging.firstPage)
        return 1;
    const int rest = records - paging.firstPage;
    return 1 + static_cast<unsigned>((rest + paging.continuationPage - 1) / paging.continuationPage);
}

unsigned CReport::KavPrintPages(int waveCount)
{
    const std::vector<unsigned>& ends = GroupPageEnds(waveCount);
    return ends.empty() ? 0 : ends.back();
}

const std::vector<unsigned>& CReport::GroupPageEnds(int waveCount)
{
    const CableGroups& groups = m_Store.GetCableGroups();
    const int32_t recordCount = KavRecordCount(waveCount);
    const PageTableKey key{waveCount, recordCount, groups.CableGroupCount};
    if (m_PageTableKey == key)
        return m_GroupPageEnds;
    m_GroupPageEnds.clear();
    unsigned total = 0;
    for (int32_t g = 0; g < groups.CableGroupCount; ++g) {
        total += GroupPages(groups.End(g, recordCount) - groups.Begin(g), PagingOf(waveCount));
        m_GroupPageEnds.push_back(total);
    }
    m_PageTableKey = key;
    return m_GroupPageEnds;
}

std::optional<CReport::KavPage> CReport::FindKavPage(unsigned page, int waveCount)
{
    const std::vector<unsigned>& ends = GroupPageEnds(waveCount);
    const auto owner = std::lower_bound(ends.begin(), ends.end(), page);
    if (page == 0 || owner == ends.end())
        return std::nullopt;
    const int32_t g = static_cast<int32_t>(owner - ends.begin());
    const unsigned before = g == 0 ? 0 : ends[static_cast<size_t>(g) - 1];
    const unsigned k = page - before; // the page's number inside its group, from 1
    const CableGroups& groups = m_Store.GetCableGroups();
    const int32_t recordCount = KavRecordCount(waveCount);
    const int32_t start = groups.Begin(g);
    const int32_t end = groups.End(g, recordCount);
    const KavPaging paging = PagingOf(waveCount);
    if (k == 1)
        return KavPage{g, start, std::min(start + paging.firstPage, end), true};
    const int32_t first = start + paging.firstPage + static_cast<int32_t>(k - 2) * paging.continuationPage;
    return KavPage{g, first, std::min(first + paging.continuationPage, end), false};
}

std::string CReport::CableIdOf(const KavPage& page) const
{
    return NameUtf8(m_Store.GetCableGroups().CableGroupNames[static_cast<size_t>(page.group)]);
}

std::optional<std::string> CReport::KavCableOfPage(unsigned page, int waveCount)
{
    const std::optional<KavPage> owner = FindKavPage(page, waveCount);
    if (!owner)
        return std::nullopt;
    return CableIdOf(*owner);
}
