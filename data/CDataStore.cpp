#include "data/CDataStore.h"

#include "data/FieldText.h"

#include <utility>

namespace {
template <typename Record> void RebuildCableGroups(CableGroups& groups, const std::vector<Record>& records)
{
    groups.Clear();
    for (size_t i = 0; i < records.size(); ++i)
        groups.AddRecord(static_cast<int32_t>(i), FieldText(records[i].Cable));
}
} // namespace

int CDataStore::KavWaveCount() const
{
    if (m_KavWaveMode == KavModeThree)
        return 3;
    if (m_KavWaveMode == KavModeTwo)
        return 2;
    return 0;
}

size_t CDataStore::KavRecordCount() const
{
    if (m_KavWaveMode == KavModeThree)
        return m_KavRecords3.size();
    if (m_KavWaveMode == KavModeTwo)
        return m_KavRecords2.size();
    return 0;
}

void CDataStore::ReplaceOpmRecords(std::vector<OpmRecord> records)
{
    m_OpmRecords = std::move(records);
}

void CDataStore::ReplaceOpmRecords(std::vector<OpmRecord> records, const ReservedBlock& reserved)
{
    m_OpmRecords = std::move(records);
    m_Reserved = reserved;
}

void CDataStore::ReplaceOrlRecords(std::vector<OrlRecord> records)
{
    m_OrlRecords = std::move(records);
}

void CDataStore::ReplaceLossTests(std::vector<KavRecord3> records)
{
    ClearLossTests(KavModeThree);
    m_KavRecords3 = std::move(records);
    RebuildCableGroups(m_CableGroups, m_KavRecords3);
}

void CDataStore::ReplaceLossTests(std::vector<KavRecord2> records)
{
    ClearLossTests(KavModeTwo);
    m_KavRecords2 = std::move(records);
    RebuildCableGroups(m_CableGroups, m_KavRecords2);
}

void CDataStore::ClearLossTests(int32_t mode)
{
    std::vector<KavRecord3>().swap(m_KavRecords3);
    std::vector<KavRecord2>().swap(m_KavRecords2);
    m_CableGroups.Clear();
    m_KavWaveMode = mode;
}

void CDataStore::ReplaceTraceValues(std::vector<float> values)
{
    m_TraceValues = std::move(values);
}
