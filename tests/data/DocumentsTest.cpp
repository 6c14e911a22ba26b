#include "data/Documents.h"
#include "data/ResultFileDecoders.h"
#include "data/TraceFile.h"
#include "tests/data/TestFiles.h"
#include "tools/make-samples/SampleSet.h"

#include <gtest/gtest.h>

// Each Save As writes its kind's document and makes the file that kind's
// path. An empty store saves the fixed part alone; the documents of records
// are pinned by the golden files of kav-convert.
TEST(Documents, EachSaveAsWritesItsKindAndBecomesItsPath)
{
    ScratchFolder dir;
    CDataStore store;
    const struct
    {
        WriteResult (*write)(const std::string&, CDataStore&);
        std::string (*bytes)(const CDataStore&);
        std::string CDataStore::*path;
    } kinds[] = {{WriteOpmDocument, OpmDocumentBytes, &CDataStore::m_OpmPath},
                 {WriteOrlDocument, OrlDocumentBytes, &CDataStore::m_OrlPath},
                 {WriteKavDocument, KavDocumentBytes, &CDataStore::m_KavPath},
                 {WriteTraceDocument, TraceDocumentBytes, &CDataStore::m_TracePath}};
    for (const auto& kind : kinds) {
        const std::string path = dir.File(std::to_string(&kind - kinds));
        ASSERT_TRUE(kind.write(path, store).ok());
        EXPECT_EQ(ReadBytes(path), kind.bytes(store));
        EXPECT_EQ(store.*kind.path, path);
    }
    EXPECT_EQ(OpmDocumentBytes(store).size(), 604u);
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
    EXPECT_EQ(target.m_KavWaveMode, 1);
}

// A write that cannot start says why, leaves the earlier file and no
// temporary file, and does not become the store's path; links are written
// through.
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
        const WriteResult result = WriteOpmDocument(dir.File(failure.name), store);
        EXPECT_EQ(result.status, failure.status) << failure.name;
        EXPECT_FALSE(result.reason.empty()) << failure.name;
    }
    EXPECT_TRUE(store.m_OpmPath.empty());
    EXPECT_EQ(ReadBytes(dir.File("keep.opm")), "earlier contents");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"folder.opm", "keep.opm"}));

    ASSERT_TRUE(WriteOpmDocument(dir.File("keep.opm"), store).ok());
    EXPECT_EQ(ReadBytes(dir.File("keep.opm")), OpmDocumentBytes(store));

#ifndef _WIN32
    // Links are written through, and a file keeps its permissions. (MinGW's
    // library cannot make links on Windows, where they are rare.)
    namespace fs = std::filesystem;
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(dir.File("keep.opm"), mode);
    fs::create_symlink(dir.File("keep.opm"), dir.File("link.opm"));
    store.ClearOpm();
    ASSERT_TRUE(WriteOpmDocument(dir.File("link.opm"), store).ok());
    EXPECT_TRUE(fs::is_symlink(dir.File("link.opm")));
    EXPECT_EQ(ReadBytes(dir.File("keep.opm")), OpmDocumentBytes(store));
    EXPECT_EQ(fs::status(dir.File("keep.opm")).permissions(), mode);
#endif
}
