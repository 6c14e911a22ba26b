#include "data/Documents.h"
#include "data/ResultFileDecoders.h"
#include "data/TraceFile.h"
#include "platform/files/SafeFileWriter.h"
#include "tests/data/TestFiles.h"
#include "tools/make-samples/SampleSet.h"

#include <gtest/gtest.h>

// An empty store saves each document's fixed part alone; the documents of
// records are pinned by the golden files of kav-convert.
TEST(Documents, AnEmptyStoreSavesTheFixedPartsAlone)
{
    const CDataStore store;
    EXPECT_EQ(OpmDocumentBytes(store), std::string(604, '\0'));
    EXPECT_EQ(OrlDocumentBytes(store), std::string(4, '\0'));
    EXPECT_EQ(KavDocumentBytes(store), std::string("\x01\0\0\0", 4));
    EXPECT_EQ(TraceDocumentBytes(store), std::string(4, '\0'));
}

TEST(Documents, AnyOtherLengthIsRefusedWithoutChange)
{
    CDataStore source;
    DecodeOpmBytes(SpanOf(EncodeOpmResult(SampleOpmReadings(2))), source, nullptr);
    DecodeOrlBytes(SpanOf(EncodeOrlResult(SampleOrlReadings(2))), source, nullptr);
    DecodeKavBytes(SpanOf(EncodeKavResult(ThreeWaveLengths, SampleLossTests(2, 1))), source);
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
    EXPECT_EQ(target.KavWaveMode(), CDataStore::KavModeNone);
}

// A save that cannot start says why and leaves the earlier file and no
// temporary file; links are written through.
TEST(Documents, FailedWritesLeaveEarlierFilesAndLinksAreWrittenThrough)
{
    ScratchFolder dir;
    CDataStore store;
    DecodeOpmBytes(SpanOf(EncodeOpmResult(SampleOpmReadings(3))), store, nullptr);
    WriteBytes(dir.File("keep.opm"), "earlier contents");
    std::filesystem::create_directory(dir.File("folder.opm"));

    const struct
    {
        const char* name;
        IoStatus status;
    } failures[] = {{"folder.opm", IoStatus::NotAFile}, {"missing/x.opm", IoStatus::NotFound}};
    for (const auto& failure : failures) {
        const WriteResult result = WriteFileSafely(dir.File(failure.name), OpmDocumentBytes(store));
        EXPECT_EQ(result.status, failure.status) << failure.name;
        EXPECT_FALSE(result.reason.empty()) << failure.name;
    }
    EXPECT_EQ(ReadBytes(dir.File("keep.opm")), "earlier contents");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"folder.opm", "keep.opm"}));

    ASSERT_TRUE(WriteFileSafely(dir.File("keep.opm"), OpmDocumentBytes(store)).ok());
    EXPECT_EQ(ReadBytes(dir.File("keep.opm")), OpmDocumentBytes(store));

#ifndef _WIN32
    // Links are written through, and a file keeps its permissions. (MinGW's
    // library cannot make links on Windows, where they are rare.)
    namespace fs = std::filesystem;
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(dir.File("keep.opm"), mode);
    fs::create_symlink(dir.File("keep.opm"), dir.File("link.opm"));
    store.ReplaceOpmRecords({});
    ASSERT_TRUE(WriteFileSafely(dir.File("link.opm"), OpmDocumentBytes(store)).ok());
    EXPECT_TRUE(fs::is_symlink(dir.File("link.opm")));
    EXPECT_EQ(ReadBytes(dir.File("keep.opm")), OpmDocumentBytes(store));
    EXPECT_EQ(fs::status(dir.File("keep.opm")).permissions(), mode);
#endif
}
