#include "FileLoading.h"

#include "Documents.h"
#include "FieldText.h"
#include "ResultFileDecoders.h"
#include "SampleSet.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <set>

namespace {
const char* const Endings[] = {".opm", ".orl", ".kav", ".trace"};

struct Document
{
    const char* what;
    FileKind kind;
    std::string bytes;
};

// One document of every kind and form, each holding a few records.
std::vector<Document> EveryDocument()
{
    CDataStore store;
    std::vector<Document> documents;
    documents.push_back({"empty loss test", FileKind::KavDocument, KavDocumentBytes(store)});
    DecodeOpmBytes(SpanOf(EncodeOpmResult(SampleOpmReadings(3))), store, nullptr);
    DecodeOrlBytes(SpanOf(EncodeOrlResult(SampleOrlReadings(2))), store, nullptr);
    ReadTraceBytes(SpanOf(EncodeTraceResult(SampleTrace(5))), store);
    DecodeKavBytes(SpanOf(EncodeKavResult(ThreeWaveLengths, SampleLossTests(2, 1))), store);
    documents.push_back({"three wavelengths", FileKind::KavDocument, KavDocumentBytes(store)});
    DecodeKavBytes(SpanOf(EncodeKavResult(TwoWaveLengths, SampleLossTests(3, 2))), store);
    documents.push_back({"two wavelengths", FileKind::KavDocument, KavDocumentBytes(store)});
    documents.push_back({"opm", FileKind::OpmDocument, OpmDocumentBytes(store)});
    documents.push_back({"orl", FileKind::OrlDocument, OrlDocumentBytes(store)});
    documents.push_back({"trace", FileKind::TraceDocument, TraceDocumentBytes(store)});
    return documents;
}

// A document whose record puts 165 at bytes 24-27, where a recorded trace
// keeps its mark.
std::string MarkedOrlDocument()
{
    CDataStore store;
    // The fiber name starts at byte 4 + 16; its fifth byte is byte 24.
    store.AddOrlRecord("CAB-01", "F-01\xA5", "1550nm", "45.32dB", "2026-03-04", "10:11:12");
    return OrlDocumentBytes(store);
}

std::string MarkedKavDocument()
{
    CDataStore store;
    store.m_KavWaveMode = CDataStore::KavModeTwo;
    // Mode and count take 8 bytes, the cable 16: the fiber starts at byte 24.
    std::vector<KavRecord2> records(1);
    SetFieldName(records[0].Cable, "CAB-01");
    SetFieldName(records[0].Fiber, "\xA5");
    store.ReplaceKavRecords2(records);
    return KavDocumentBytes(store);
}

bool HoldsTheMark(const std::string& bytes)
{
    return bytes.size() >= 28 && bytes.substr(24, 4) == std::string("\xA5\0\0\0", 4);
}
} // namespace

// A valid instrument file is read as what it is, whatever name it was given.
TEST(FileLoading, ResultFilesAreKnownByContentUnderAnyName)
{
    const std::pair<std::string, FileKind> results[] = {
        {EncodeOpmResult(SampleOpmReadings(4)), FileKind::OpmResult},
        {EncodeOrlResult(SampleOrlReadings(4)), FileKind::OrlResult},
        {EncodeKavResult(ThreeWaveLengths, SampleLossTests(4, 2)), FileKind::KavResult},
        {EncodeTraceResult(SampleTrace(4)), FileKind::TraceResult},
    };
    TempDir dir;
    for (const auto& [bytes, kind] : results) {
        for (const std::string ending : {".opm", ".orl", ".kav", ".trace", ".bin", ""}) {
            EXPECT_EQ(RecognizeBytes(SpanOf(bytes), "x" + ending), kind) << ending;
            WriteBytes(dir.File("x" + ending), bytes);
            CDataStore store;
            const LoadOutcome outcome = LoadFile(dir.File("x" + ending), store);
            EXPECT_EQ(outcome.result, DecodeResult::Ok) << ending;
            EXPECT_EQ(outcome.kind, kind) << ending;
        }
    }
}

// Renamed to another kind's ending, a document is refused rather than taken
// for that kind; under its own ending, in any letter case, it loads back to
// the same bytes.
TEST(FileLoading, DocumentsKeepTheirKindUnderEveryEnding)
{
    TempDir dir;
    for (const Document& document : EveryDocument()) {
        ASSERT_FALSE(HoldsTheMark(document.bytes)) << document.what;
        for (const char* ending : Endings) {
            const std::string path = dir.File(std::string("doc") + ending);
            WriteBytes(path, document.bytes);
            CDataStore store;
            const LoadOutcome outcome = LoadFile(path, store);
            if (DocumentKindOfEnding(path) == document.kind) {
                ASSERT_EQ(outcome.result, DecodeResult::Ok) << document.what << ending;
                EXPECT_EQ(outcome.kind, document.kind);
                const std::string again = document.kind == FileKind::OpmDocument   ? OpmDocumentBytes(store)
                                          : document.kind == FileKind::OrlDocument ? OrlDocumentBytes(store)
                                          : document.kind == FileKind::KavDocument
                                              ? KavDocumentBytes(store)
                                              : TraceDocumentBytes(store);
                EXPECT_EQ(again, document.bytes) << document.what;
            } else {
                EXPECT_EQ(outcome.result, DecodeResult::WrongLength) << document.what << ending;
                EXPECT_EQ(store.GetOpmRecords().size() + store.GetOrlRecords().size() +
                              store.KavRecordCount() + store.GetTraceValues().size(),
                          0u);
            }
        }
    }
    EXPECT_EQ(RecognizeBytes(SpanOf(EveryDocument().back().bytes), "UPPER.TRACE"), FileKind::TraceDocument);
}

// The program's own document is not a recorded trace because a name in it
// happens to put 165 where a trace keeps its mark.
TEST(FileLoading, ADocumentWinsOverTheTraceMark)
{
    TempDir dir;
    for (const auto& [bytes, kind] : {std::pair{MarkedOrlDocument(), FileKind::OrlDocument},
                                      std::pair{MarkedKavDocument(), FileKind::KavDocument}}) {
        ASSERT_TRUE(HoldsTheMark(bytes));
        const std::string named = dir.File(kind == FileKind::OrlDocument ? "saved.orl" : "saved.kav");
        WriteBytes(named, bytes);
        CDataStore store;
        const LoadOutcome outcome = LoadFile(named, store);
        ASSERT_EQ(outcome.result, DecodeResult::Ok);
        EXPECT_EQ(outcome.kind, kind);
        EXPECT_TRUE(store.GetTraceValues().empty());
        EXPECT_EQ(kind == FileKind::OrlDocument ? OrlDocumentBytes(store) : KavDocumentBytes(store), bytes);

        // Under a name that claims no document, the mark decides.
        EXPECT_EQ(RecognizeBytes(SpanOf(bytes), "saved.bin"), FileKind::TraceResult);
    }
}

TEST(FileLoading, AKindTheCallerDoesNotTakeChangesNothing)
{
    TempDir dir;
    CDataStore store;
    DecodeKavBytes(SpanOf(EncodeKavResult(TwoWaveLengths, SampleLossTests(3, 1))), store);
    DecodeOpmBytes(SpanOf(EncodeOpmResult(SampleOpmReadings(2))), store, nullptr);
    store.m_InfoFields.JobId = "JOB-7";
    const std::string kavDocument = KavDocumentBytes(store);
    const std::string opmDocument = OpmDocumentBytes(store);

    WriteBytes(dir.File("three.bin"), EncodeKavResult(ThreeWaveLengths, SampleLossTests(5, 1)));
    RecordingSink sink;
    LoadOptions opmTab;
    opmTab.accepted = {FileKind::OpmResult, FileKind::OpmDocument};
    opmTab.rows = &sink;
    const LoadOutcome refused = LoadFile(dir.File("three.bin"), store, opmTab);
    EXPECT_EQ(refused.result, DecodeResult::WrongKind);
    EXPECT_EQ(refused.kind, FileKind::KavResult);
    EXPECT_EQ(KavDocumentBytes(store), kavDocument);
    EXPECT_EQ(OpmDocumentBytes(store), opmDocument);
    EXPECT_EQ(store.m_InfoFields.JobId, "JOB-7");
    EXPECT_EQ(sink.clears, 0);

    // The kind it takes goes to the sink; a document's rows come from the store.
    WriteBytes(dir.File("readings.bin"), EncodeOpmResult(SampleOpmReadings(6)));
    ASSERT_EQ(LoadFile(dir.File("readings.bin"), store, opmTab).result, DecodeResult::Ok);
    EXPECT_EQ(sink.rows.size(), 6u);
    WriteBytes(dir.File("saved.opm"), opmDocument);
    ASSERT_EQ(LoadFile(dir.File("saved.opm"), store, opmTab).result, DecodeResult::Ok);
    EXPECT_EQ(store.GetOpmRecords().size(), 2u);
    EXPECT_EQ(sink.rows.size(), 6u);
    EXPECT_EQ(sink.clears, 1);
}

// The loss-test form follows the last loss-test file or document read, also
// when it holds no records; other kinds leave it alone.
TEST(FileLoading, TheWaveCountIsTheStores)
{
    TempDir dir;
    CDataStore store;
    EXPECT_EQ(store.KavWaveCount(), 0);
    const struct
    {
        const char* name;
        std::string bytes;
        int waveCount;
    } steps[] = {
        {"three.bin", EncodeKavResult(ThreeWaveLengths, SampleLossTests(4, 2)), 3},
        {"readings.bin", EncodeOpmResult(SampleOpmReadings(2)), 3},
        {"empty-two.bin", EncodeKavResult(TwoWaveLengths, {}), 2},
        {"none.kav", KavDocumentBytes(CDataStore()), 0},
        {"two.bin", EncodeKavResult(TwoWaveLengths, SampleLossTests(3, 3)), 2},
    };
    for (const auto& step : steps) {
        WriteBytes(dir.File(step.name), step.bytes);
        const LoadOutcome outcome = LoadFile(dir.File(step.name), store);
        ASSERT_EQ(outcome.result, DecodeResult::Ok) << step.name;
        EXPECT_EQ(outcome.waveCount, step.waveCount) << step.name;
        EXPECT_EQ(store.KavWaveCount(), step.waveCount) << step.name;
    }

    // A document gives the wavelengths of its first record, a result file its header's.
    const LoadOutcome result = LoadFile(dir.File("two.bin"), store);
    WriteBytes(dir.File("two.kav"), KavDocumentBytes(store));
    CDataStore other;
    const LoadOutcome document = LoadFile(dir.File("two.kav"), other);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(result.waveLengths[i], TwoWaveLengths[i]);
        EXPECT_EQ(document.waveLengths[i], TwoWaveLengths[i]);
    }
}

// A trace document holds only its values: the page's texts come from them.
TEST(FileLoading, ATraceDocumentGivesThePageTextsOfItsValues)
{
    TempDir dir;
    CDataStore store;
    store.AppendTraceValue(-5.0f);
    for (const float sample : {-7.0f, -9.5f, -8.25f})
        store.AppendTraceValue(sample);
    WriteBytes(dir.File("log.trace"), TraceDocumentBytes(store));
    CDataStore loaded;
    const LoadOutcome outcome = LoadFile(dir.File("log.trace"), loaded);
    ASSERT_EQ(outcome.result, DecodeResult::Ok);
    const TraceFileContents& c = outcome.trace;
    EXPECT_EQ(c.plotValues, store.GetTraceValues());
    EXPECT_EQ(c.sampleCount, 3);
    EXPECT_EQ(c.reference, Printed("%.2f", -5.0));
    EXPECT_EQ(c.minimum, Printed("%.2f", -9.5));
    EXPECT_EQ(c.maximum, Printed("%.2f", -7.0));
    EXPECT_EQ(c.average, Printed("%.2f", (-7.0f + -9.5f + -8.25f) / 3));
    EXPECT_EQ(c.waveLength, "");
    EXPECT_EQ(c.start, "");
}

TEST(FileLoading, RefusalsSayWhyAndChangeNothing)
{
    TempDir dir;
    const std::string noise(40, 'x');
    WriteBytes(dir.File("noise.bin"), noise);
    WriteBytes(dir.File("noise.opm"), noise);
    std::string trace = EncodeTraceResult(SampleTrace(10));
    trace.pop_back();
    WriteBytes(dir.File("short.bin"), trace);
    std::filesystem::create_directory(dir.File("folder.kav"));

    CDataStore store;
    DecodeOrlBytes(SpanOf(EncodeOrlResult(SampleOrlReadings(2))), store, nullptr);
    const std::string before = OrlDocumentBytes(store);
    const struct
    {
        std::string name;
        DecodeResult result;
    } refusals[] = {{"noise.bin", DecodeResult::Unrecognized},
                    {"noise.opm", DecodeResult::WrongLength},
                    {"short.bin", DecodeResult::Truncated},
                    {"missing.orl", DecodeResult::CannotOpen},
                    {"folder.kav", DecodeResult::NotAFile}};
    for (const auto& refusal : refusals) {
        const LoadOutcome outcome = LoadFile(dir.File(refusal.name), store);
        EXPECT_EQ(outcome.result, refusal.result) << refusal.name;
        EXPECT_FALSE(FailureReason(outcome).empty()) << refusal.name;
    }
    EXPECT_EQ(OrlDocumentBytes(store), before);
    const LoadOutcome missing = LoadFile(dir.File("missing.orl"), store);
    EXPECT_NE(FailureReason(missing).find(std::strerror(ENOENT)), std::string::npos)
        << FailureReason(missing);
}

// Every refusal has its own reason, and "File error!" heads exactly the ones
// the program shows as "File error!".
TEST(FileLoading, OneReasonPerResult)
{
    std::set<std::string> reasons;
    for (int r = static_cast<int>(DecodeResult::Ok); r <= static_cast<int>(DecodeResult::WrongKind); ++r) {
        LoadOutcome outcome;
        outcome.result = static_cast<DecodeResult>(r);
        const std::string reason = FailureReason(outcome);
        EXPECT_EQ(reason.empty(), outcome.result == DecodeResult::Ok) << r;
        EXPECT_EQ(reason.rfind("File error!", 0) == 0, IsFileError(outcome.result)) << reason;
        reasons.insert(reason);
    }
    EXPECT_EQ(reasons.size(), static_cast<size_t>(DecodeResult::WrongKind) + 1);
}
