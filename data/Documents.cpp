#include "data/Documents.h"

#include "data/ByteReader.h"

#include <cstring>

// The documents are raw images of the records, which hold little-endian
// numbers in memory on every system the program is built for.
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "documents are written as little-endian memory images"
#endif

namespace {
constexpr size_t OpmReservedSize = sizeof(CDataStore::ReservedBlock);

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
    const CDataStore::ReservedBlock& reserved = store.GetReserved();
    std::string out(reinterpret_cast<const char*>(reserved.data()), reserved.size());
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
    AppendU32(out, static_cast<uint32_t>(store.KavWaveMode()));
    if (store.KavWaveMode() == CDataStore::KavModeThree)
        AppendRecords(out, store.GetKavRecords3());
    else if (store.KavWaveMode() == CDataStore::KavModeTwo)
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

DecodeResult ReadOpmDocumentBytes(ByteSpan bytes, CDataStore& store)
{
    std::vector<OpmRecord> records;
    if (!ReadRecords(bytes, OpmReservedSize, records))
        return DecodeResult::WrongLength;
    CDataStore::ReservedBlock reserved;
    std::memcpy(reserved.data(), bytes.data, OpmReservedSize);
    store.ReplaceOpmRecords(std::move(records), reserved);
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
    if (mode == CDataStore::KavModeThree) {
        std::vector<KavRecord3> records;
        ReadRecords(bytes, 4, records);
        store.ReplaceLossTests(std::move(records));
    } else if (mode == CDataStore::KavModeTwo) {
        std::vector<KavRecord2> records;
        ReadRecords(bytes, 4, records);
        store.ReplaceLossTests(std::move(records));
    } else {
        store.ClearLossTests(mode);
    }
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
