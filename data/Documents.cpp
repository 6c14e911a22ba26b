#include "Documents.h"

#include "ByteReader.h"
#include "FieldText.h"
#include "FileBytes.h"
#include "SafeFileWriter.h"

#include <cstring>

// The documents are raw images of the records, which hold little-endian
// numbers in memory on every system the program is built for.
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "documents are written as little-endian memory images"
#endif

namespace {
constexpr size_t OpmReservedSize = 600;
// Far beyond any document the program writes; a longer file is refused
// without being read whole.
constexpr size_t DocumentLimit = size_t(1) << 30;

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
template <typename Record> bool ReadRecords(ByteSpan bytes, size_t offset, std::vector<Record>& records)
{
    if (bytes.size < offset + 4)
        return false;
    ByteReader reader(bytes, offset);
    const uint64_t count = reader.U32();
    if (bytes.size - offset - 4 != count * sizeof(Record))
        return false;
    records.resize(static_cast<size_t>(count));
    if (count != 0)
        std::memcpy(records.data(), bytes.data + offset + 4, static_cast<size_t>(count) * sizeof(Record));
    return true;
}

template <typename Record> void RebuildCableGroups(CableGroups& groups, const std::vector<Record>& records)
{
    groups.Clear();
    for (size_t i = 0; i < records.size(); ++i)
        groups.AddRecord(static_cast<int32_t>(i), FieldText(records[i].Cable));
}

WriteResult WriteDocument(const std::string& path, const std::string& bytes, std::string& pathMember)
{
    const WriteResult result = WriteFileSafely(path, bytes);
    if (result.ok())
        CDataStore::SetPath(pathMember, path);
    return result;
}

template <typename Reader>
DecodeResult ReadDocumentFile(const std::string& path, CDataStore& store, Reader read)
{
    const FileBytes file = ReadFileBytes(path, DocumentLimit);
    if (!file.opened)
        return DecodeResult::CannotOpen;
    if (file.overLimit)
        return DecodeResult::WrongLength;
    return read({file.bytes.data(), file.bytes.size()}, store);
}
} // namespace

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
    std::string out;
    AppendRecords(out, store.GetTraceValues());
    return out;
}

WriteResult WriteOpmDocument(const std::string& path, CDataStore& store)
{
    return WriteDocument(path, OpmDocumentBytes(store), store.m_OpmPath);
}

WriteResult WriteOrlDocument(const std::string& path, CDataStore& store)
{
    return WriteDocument(path, OrlDocumentBytes(store), store.m_OrlPath);
}

WriteResult WriteKavDocument(const std::string& path, CDataStore& store)
{
    return WriteDocument(path, KavDocumentBytes(store), store.m_KavPath);
}

WriteResult WriteTraceDocument(const std::string& path, CDataStore& store)
{
    return WriteDocument(path, TraceDocumentBytes(store), store.m_TracePath);
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
    if (bytes.size < 4)
        return DecodeResult::WrongLength;
    const int32_t mode = ByteReader(bytes).I32();
    if (mode == CDataStore::KavModeThree) {
        std::vector<KavRecord3> records;
        if (!ReadRecords(bytes, 4, records))
            return DecodeResult::WrongLength;
        store.ClearKav();
        RebuildCableGroups(store.m_CableGroups, records);
        store.ReplaceKavRecords3(std::move(records));
    } else if (mode == CDataStore::KavModeTwo) {
        std::vector<KavRecord2> records;
        if (!ReadRecords(bytes, 4, records))
            return DecodeResult::WrongLength;
        store.ClearKav();
        RebuildCableGroups(store.m_CableGroups, records);
        store.ReplaceKavRecords2(std::move(records));
    } else {
        if (bytes.size != 4)
            return DecodeResult::WrongLength;
        store.ClearKav();
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

DecodeResult ReadOpmDocument(const std::string& path, CDataStore& store)
{
    return ReadDocumentFile(path, store, ReadOpmDocumentBytes);
}

DecodeResult ReadOrlDocument(const std::string& path, CDataStore& store)
{
    return ReadDocumentFile(path, store, ReadOrlDocumentBytes);
}

DecodeResult ReadKavDocument(const std::string& path, CDataStore& store)
{
    return ReadDocumentFile(path, store, ReadKavDocumentBytes);
}

DecodeResult ReadTraceDocument(const std::string& path, CDataStore& store)
{
    return ReadDocumentFile(path, store, ReadTraceDocumentBytes);
}
