#include "Documents.h"
#include "CsvExport.h"
#include "FileLoading.h"
#include "ResultFileDecoders.h"
#include "SampleSet.h"
#include "TestFiles.h"
#include "TraceFile.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
const uint16_t Three[3] = {1310, 1490, 1550};
const uint16_t Two[3] = {1310, 0, 1550};

template <typename Record> bool SameRecords(const std::vector<Record>& a, const std::vector<Record>& b)
{
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(Record)) == 0);
}

uint32_t U32At(const std::string& bytes, size_t offset)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<uint8_t>(bytes[offset + static_cast<size_t>(i)]);
    return v;
}
} // namespace

TEST(Documents, SizesAndLeadingWords)
{
    TempDir dir;
    CDataStore store;
    ASSERT_TRUE(WriteOpmDocument(dir.File("empty.opm"), store).ok());
    EXPECT_EQ(ReadBytes(dir.File("empty.opm")).size(), 604u);
    ASSERT_TRUE(WriteKavDocument(dir.File("none.kav"), store).ok());
    EXPECT_EQ(ReadBytes(dir.File("none.kav")), std::string("\x01\0\0\0", 4));

    DecodeOpmBytes(SpanOf(EncodeOpmResult(SampleOpmReadings(7))), store, nullptr);
    ASSERT_TRUE(WriteOpmDocument(dir.File("result.opm"), store).ok());
    EXPECT_EQ(ReadBytes(dir.File("result.opm")).size(), 604u + 244u * 7);
    EXPECT_EQ(store.m_OpmPath, dir.File("result.opm"));

    DecodeKavBytes(SpanOf(EncodeKavResult(Three, SampleLossTests(5, 2))), store);
    const std::string three = KavDocumentBytes(store);
    EXPECT_EQ(three.substr(0, 4), std::string("\xD2\x05\0\0", 4));
    EXPECT_EQ(U32At(three, 4), 5u);
    EXPECT_EQ(three.size(), 8u + 168 * 5);
    DecodeKavBytes(SpanOf(EncodeKavResult(Two, SampleLossTests(5, 2))), store);
    const std::string two = KavDocumentBytes(store);
    EXPECT_EQ(U32At(two, 0), 0u);
    EXPECT_EQ(two.size(), 8u + 124 * 5);

    TraceRecording trace = SampleTrace(100);
    ReadTraceBytes(SpanOf(EncodeTraceResult(trace)), store);
    ASSERT_TRUE(WriteTraceDocument(dir.File("log.trace"), store).ok());
    const std::string traceDocument = ReadBytes(dir.File("log.trace"));
    EXPECT_EQ(U32At(traceDocument, 0), 101u);
    EXPECT_EQ(traceDocument.size(), 4u + 4 * 101);
}

// decode -> document -> read back gives the same store, and the same CSV.
TEST(Documents, ReadersAreTheExactInverseOfTheWriters)
{
    TempDir dir;
    CDataStore original;
    DecodeOpmBytes(SpanOf(EncodeOpmResult(SampleOpmReadings(9))), original, nullptr);
    DecodeOrlBytes(SpanOf(EncodeOrlResult(SampleOrlReadings(6))), original, nullptr);
    ReadTraceBytes(SpanOf(EncodeTraceResult(SampleTrace(50))), original);
    for (const uint16_t* waves : {Three, Two}) {
        DecodeKavBytes(SpanOf(EncodeKavResult(waves, SampleLossTests(8, 3))), original);
        ASSERT_TRUE(WriteOpmDocument(dir.File("a.opm"), original).ok());
        ASSERT_TRUE(WriteOrlDocument(dir.File("a.orl"), original).ok());
        ASSERT_TRUE(WriteKavDocument(dir.File("a.kav"), original).ok());
        ASSERT_TRUE(WriteTraceDocument(dir.File("a.trace"), original).ok());

        CDataStore copy;
        for (const char* name : {"a.opm", "a.orl", "a.kav", "a.trace"})
            ASSERT_EQ(LoadFile(dir.File(name), copy).result, DecodeResult::Ok) << name;
        EXPECT_TRUE(SameRecords(copy.GetOpmRecords(), original.GetOpmRecords()));
        EXPECT_TRUE(SameRecords(copy.GetOrlRecords(), original.GetOrlRecords()));
        EXPECT_TRUE(SameRecords(copy.GetKavRecords3(), original.GetKavRecords3()));
        EXPECT_TRUE(SameRecords(copy.GetKavRecords2(), original.GetKavRecords2()));
        EXPECT_EQ(copy.GetTraceValues(), original.GetTraceValues());
        EXPECT_EQ(copy.m_KavWaveMode, original.m_KavWaveMode);
        EXPECT_EQ(copy.m_CableGroups.CableGroupStart, original.m_CableGroups.CableGroupStart);
        EXPECT_EQ(copy.m_CableGroups.CableGroupNames, original.m_CableGroups.CableGroupNames);
        const int waveCount = waves[1] != 0 ? 3 : 2;
        EXPECT_EQ(KavCsvBytes(copy, waveCount), KavCsvBytes(original, waveCount));
        EXPECT_EQ(OpmCsvBytes(copy), OpmCsvBytes(original));
    }
}

TEST(Documents, AnyOtherLengthIsRefusedWithoutChange)
{
    CDataStore source;
    DecodeOpmBytes(SpanOf(EncodeOpmResult(SampleOpmReadings(2))), source, nullptr);
    DecodeOrlBytes(SpanOf(EncodeOrlResult(SampleOrlReadings(2))), source, nullptr);
    DecodeKavBytes(SpanOf(EncodeKavResult(Three, SampleLossTests(2, 1))), source);
    ReadTraceBytes(SpanOf(EncodeTraceResult(SampleTrace(3))), source);
    using Reader = DecodeResult (*)(ByteSpan, CDataStore&);
    const std::pair<std::string, Reader> documents[] = {
        {OpmDocumentBytes(source), ReadOpmDocumentBytes},
        {OrlDocumentBytes(source), ReadOrlDocumentBytes},
        {KavDocumentBytes(source), ReadKavDocumentBytes},
        {TraceDocumentBytes(source), ReadTraceDocumentBytes},
    };
    CDataStore target;
    for (const auto& [bytes, read] : documents) {
        for (size_t length = 0; length <= bytes.size() + 1; ++length) {
            if (length == bytes.size())
                continue;
            std::string changed = bytes.substr(0, length);
            changed.resize(length, '\0');
            ASSERT_EQ(read(SpanOf(changed), target), DecodeResult::WrongLength) << length;
        }
    }
    EXPECT_TRUE(target.GetOpmRecords().empty() && target.GetOrlRecords().empty());
    EXPECT_TRUE(target.GetKavRecords3().empty() && target.GetTraceValues().empty());
    EXPECT_EQ(target.m_KavWaveMode, 1);
}

TEST(Documents, FailedWritesLeaveEarlierFilesAndNoTemporaryFiles)
{
    TempDir dir;
    CDataStore store;
    DecodeOpmBytes(SpanOf(EncodeOpmResult(SampleOpmReadings(3))), store, nullptr);
    const std::string earlier = "earlier contents";
    WriteBytes(dir.File("keep.opm"), earlier);
    std::filesystem::create_directory(dir.File("folder.opm"));

    const WriteResult toFolder = WriteOpmDocument(dir.File("folder.opm"), store);
    EXPECT_EQ(toFolder.status, WriteResult::Status::CannotOpen);
    EXPECT_FALSE(toFolder.reason.empty());
    const WriteResult noFolder = WriteOpmDocument(dir.File("missing/x.opm"), store);
    EXPECT_EQ(noFolder.status, WriteResult::Status::CannotOpen);
    EXPECT_TRUE(store.m_OpmPath.empty());

    ASSERT_TRUE(WriteOpmDocument(dir.File("keep.opm"), store).ok());
    EXPECT_EQ(ReadBytes(dir.File("keep.opm")), OpmDocumentBytes(store));
    std::vector<std::string> names = dir.Names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"folder.opm", "keep.opm"}));
}

TEST(Documents, LinksAndDevicesAreWrittenThroughAndPermissionsKept)
{
    namespace fs = std::filesystem;
    TempDir dir;
    CDataStore store;
    DecodeOrlBytes(SpanOf(EncodeOrlResult(SampleOrlReadings(2))), store, nullptr);
    WriteBytes(dir.File("real.orl"), "old");
    fs::permissions(dir.File("real.orl"), fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(dir.File("real.orl"), dir.File("link.orl"));

    ASSERT_TRUE(WriteOrlDocument(dir.File("link.orl"), store).ok());
    EXPECT_TRUE(fs::is_symlink(dir.File("link.orl")));
    EXPECT_EQ(ReadBytes(dir.File("real.orl")), OrlDocumentBytes(store));
    EXPECT_EQ(fs::status(dir.File("real.orl")).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    ASSERT_TRUE(WriteOrlDocument("/dev/null", store).ok());
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}
