#include "data/Documents.h"

#include "data/ByteReader.h"
#include "data/FieldText.h"
#include "data/KeptPathWrite.h"

#include <cstring>

// The documents are raw images of the records, which hold little-endian
// numbers in memory on every system the program is built for.
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "documents are written as little-endian memory images"
#endif

namespace {
constexpr size_t OpmReservedSize = 600;

void AppendU32(std::string& out, uint32_t value)
{
    const char bytes[4] = {static_cast<char>(value), static_cast<char>(value >> 8),
                           static_cast<char>(value >> 16), static_cast<char>(value >> 24)};
    out.append(bytes, 4);
}

template <typename Record> void AppendRecords(std::string& out, const std::vector<Record>& records)
{
    AppendU32(out, static_cast<uint32_t>(records.size()));
    out.append(reinterpret_cast<const char*>(records.data()), records.size() * sizeof(Record));
}

// Records follow a count at `offset` and fill the rest exactly.
template <typename Record> bool RecordsFit(ByteSpan bytes, size_t offset)
{
    if (bytes.size < offset + 4)
        return false;
    const uint64_t count = ByteReader(bytes, offset).U32();
    return bytes.size - offset - 4 == count * sizeof(Record);
}

template <typename Record> bool ReadRecords(ByteSpan bytes, size_t offset, std::vector<Record>& records)
{
    if (!RecordsFit<Record>(bytes, offset))
        return false;
    records.resize((bytes.size - offset - 4) / sizeof(Record));
    if (!records.empty())
        std::memcpy(records.data(), bytes.data + offset + 4, records.size() * sizeof(Record));
    return true;
}

template <typename Record> void RebuildCableGroups(CableGroups& groups, const std::vector<Record>& records)
{
    groups.Clear();
    for (size_t i = 0; i < records.size(); ++i)
        groups.AddRecord(static_cast<int32_t>(i), FieldText(records[i].Cable));
}

} // namespace

bool FitsOpmDocument(ByteSpan bytes)
{
    return RecordsFit<OpmRecord>(bytes, OpmReservedSize);
}

bool FitsOrlDocument(ByteSpan bytes)
{
    return RecordsFit<OrlRecord>(bytes, 0);
}

bool FitsKavDocument(ByteSpan bytes)
{
    if (bytes.size < 4)
        return false;
    const int32_t mode = ByteReader(bytes).I32();
    if (mode == CDataStore::KavModeThree)
        return RecordsFit<KavRecord3>(bytes, 4);
    if (mode == CDataStore::KavModeTwo)
        return RecordsFit<KavRecord2>(bytes, 4);
    return bytes.size == 4;
}

bool FitsTraceDocument(ByteSpan bytes)
{
    return RecordsFit<float>(bytes, 0);
}

std::string OpmDocumentBytes(const CDataStore& store)
{
    std::string out(reinterpret_cast<const char*>(store.m_Reserved.data()), store.m_Reserved.size());
    AppendRecords(out, store.GetOpmRecords());
    return out;
}

std::string OrlDocumentBytes(const CDataStore& store)
{
    std::string out;
    AppendRecords(out, store.GetOrlRecords());
    return out;
}

std::string KavDocumentBytes(const CDataStore& store)
{
    std::string out;
    AppendU32(out, static_cast<uint32_t>(store.m_KavWaveMode));
    if (store.m_KavWaveMode == CDataStore::KavModeThree)
        AppendRecords(out, store.GetKavRecords3());
    else if (store.m_KavWaveMode == CDataStore::KavModeTwo)
        AppendRecords(out, store.GetKavRecords2());
    return out;
}

std::string TraceDocumentBytes(const CDataStore& store)
{
    return TraceDocumentBytesOf(store.GetTraceValues());
}

std::string TraceDocumentBytesOf(const std::vector<float>& values)
{
    std::string out;
    AppendRecords(out, values);
    return out;
}

WriteResult WriteOpmDocument(const std::string& path, CDataStore& store)
{
    return WriteKeepingPath(path, OpmDocumentBytes(store), &store.m_OpmPath);
}

WriteResult WriteOrlDocument(const std::string& path, CDataStore& store)
{
    return WriteKeepingPath(path, OrlDocumentBytes(store), &store.m_OrlPath);
}

WriteResult WriteKavDocument(const std::string& path, CDataStore& store)
{
    return WriteKeepingPath(path, KavDocumentBytes(store), &store.m_KavPath);
}

WriteResult WriteTraceDocument(const std::string& path, CDataStore& store)
{
    return WriteKeepingPath(path, TraceDocumentBytes(store), &store.m_TracePath);
}

DecodeResult ReadOpmDocumentBytes(ByteSpan bytes, CDataStore& store)
{
    std::vector<OpmRecord> records;
    if (!ReadRecords(bytes, OpmReservedSize, records))
        return DecodeResult::WrongLength;
    std::memcpy(store.m_Reserved.data(), bytes.data, OpmReservedSize);
    store.ReplaceOpmRecords(std::move(records));
    return DecodeResult::Ok;
}

DecodeResult ReadOrlDocumentBytes(ByteSpan bytes, CDataStore& store)
{
    std::vector<OrlRecord> records;
    if (!ReadRecords(bytes, 0, records))
        return DecodeResult::WrongLength;
    store.ReplaceOrlRecords(std::move(records));
    return DecodeResult::Ok;
}

DecodeResult ReadKavDocumentBytes(ByteSpan bytes, CDataStore& store)
{
    if (!FitsKavDocument(bytes))
        return DecodeResult::WrongLength;
    const int32_t mode = ByteReader(bytes).I32();
    store.ClearKav();
    if (mode == CDataStore::KavModeThree) {
        std::vector<KavRecord3> records;
        ReadRecords(bytes, 4, records);
        RebuildCableGroups(store.m_CableGroups, records);
        store.ReplaceKavRecords3(std::move(records));
    } else if (mode == CDataStore::KavModeTwo) {
        std::vector<KavRecord2> records;
        ReadRecords(bytes, 4, records);
        RebuildCableGroups(store.m_CableGroups, records);
        store.ReplaceKavRecords2(std::move(records));
    } else {
        store.m_CableGroups.Clear();
    }
    store.m_KavWaveMode = mode;
    return DecodeResult::Ok;
}

DecodeResult ReadTraceDocumentBytes(ByteSpan bytes, CDataStore& store)
{
    std::vector<float> values;
    if (!ReadRecords(bytes, 0, values))
        return DecodeResult::WrongLength;
    store.ReplaceTraceValues(std::move(values));
    return DecodeResult::Ok;
}
