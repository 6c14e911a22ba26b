#include "data/FileLoading.h"

#include "data/Documents.h"
#include "data/FieldText.h"
#include "data/NewRecords.h"
#include "data/ResultFileDecoders.h"
#include "tests/data/TestFiles.h"
#include "tests/support/SystemWords.h"
#include "tools/make-samples/SampleSet.h"

#include <gtest/gtest.h>

#include <set>

namespace {
std::string DocumentOf(FileKind kind, const CDataStore& store)
{
    switch (kind) {
    case FileKind::OpmDocument:
        return OpmDocumentBytes(store);
    case FileKind::OrlDocument:
        return OrlDocumentBytes(store);
    case FileKind::KavDocument:
        return KavDocumentBytes(store);
    default:
        return TraceDocumentBytes(store);
    }
}

bool HoldsTheTraceMark(const std::string& bytes)
{
    return bytes.size() >= 28 && bytes.substr(24, 4) == std::string("\xA5\0\0\0", 4);
}

LoadOutcome Load(const ScratchFolder& dir, const std::string& name, const std::string& bytes,
                 CDataStore& store, const LoadOptions& options = {})
{
    WriteBytes(dir.File(name), bytes);
    return LoadFile(dir.File(name), store, options);
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
    ScratchFolder dir;
    for (const auto& [bytes, kind] : results) {
        for (const std::string ending : {".opm", ".orl", ".kav", ".trace", ".bin", ""}) {
            CDataStore store;
            const LoadOutcome outcome = Load(dir, "x" + ending, bytes, store);
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
    // One document of every kind and form, each holding a few records.
    CDataStore source;
    std::vector<std::pair<FileKind, std::string>> documents{
        {FileKind::KavDocument, KavDocumentBytes(source)}};
    DecodeOpmBytes(SpanOf(EncodeOpmResult(SampleOpmReadings(3))), source, nullptr);
    DecodeOrlBytes(SpanOf(EncodeOrlResult(SampleOrlReadings(2))), source, nullptr);
    ReadTraceBytes(SpanOf(EncodeTraceResult(SampleTrace(5))), source);
    DecodeKavBytes(SpanOf(EncodeKavResult(ThreeWaveLengths, SampleLossTests(2, 1))), source);
    documents.emplace_back(FileKind::KavDocument, KavDocumentBytes(source));
    DecodeKavBytes(SpanOf(EncodeKavResult(TwoWaveLengths, SampleLossTests(3, 2))), source);
    for (FileKind kind :
         {FileKind::KavDocument, FileKind::OpmDocument, FileKind::OrlDocument, FileKind::TraceDocument})
        documents.emplace_back(kind, DocumentOf(kind, source));
    // The block at the head of an OPM document comes back as it was.
    for (auto& [kind, bytes] : documents)
        if (kind == FileKind::OpmDocument)
            bytes[17] = 'R';

    ScratchFolder dir;
    for (const auto& [kind, bytes] : documents) {
        ASSERT_FALSE(HoldsTheTraceMark(bytes));
        for (const std::string ending : {".opm", ".orl", ".KAV", ".trace"}) {
            CDataStore store;
            const LoadOutcome outcome = Load(dir, "doc" + ending, bytes, store);
            if (DocumentKindOfEnding(dir.File("doc" + ending)) == kind) {
                ASSERT_EQ(outcome.result, DecodeResult::Ok) << ending;
                EXPECT_EQ(outcome.kind, kind);
                EXPECT_EQ(DocumentOf(kind, store), bytes) << ending;
            } else {
                EXPECT_EQ(outcome.result, DecodeResult::WrongLength) << ending;
                EXPECT_EQ(store.GetOpmRecords().size() + store.GetOrlRecords().size() +
                              store.KavRecordCount() + store.GetTraceValues().size(),
                          0u);
            }
        }
    }
}

// The program's own document is not a recorded trace because a name in it
// happens to put 165 where a trace keeps its mark.
TEST(FileLoading, ADocumentWinsOverTheTraceMark)
{
    CDataStore marked;
    // The ORL document's fiber starts at byte 4 + 16, so its fifth byte is byte 24.
    marked.ReplaceOrlRecords(
        {NewOrlRecord("CAB-01", "F-01\xA5", "1550nm", "45.32dB", "2026-03-04", "10:11:12")});
    // Mode and count take 8 bytes, the cable 16: the fiber starts at byte 24.
    std::vector<KavRecord2> records(1);
    SetFieldName(records[0].Fiber, "\xA5");
    marked.ReplaceLossTests(records);

    ScratchFolder dir;
    for (const auto& [kind, name] :
         {std::pair{FileKind::OrlDocument, "saved.orl"}, std::pair{FileKind::KavDocument, "saved.kav"}}) {
        const std::string bytes = DocumentOf(kind, marked);
        ASSERT_TRUE(HoldsTheTraceMark(bytes));
        CDataStore store;
        const LoadOutcome outcome = Load(dir, name, bytes, store);
        ASSERT_EQ(outcome.result, DecodeResult::Ok);
        EXPECT_EQ(outcome.kind, kind);
        EXPECT_TRUE(store.GetTraceValues().empty());
        EXPECT_EQ(DocumentOf(kind, store), bytes);
        // Under a name that claims no document, the mark decides.
        EXPECT_EQ(RecognizeBytes(SpanOf(bytes), "saved.bin"), FileKind::TraceResult);
    }
}

TEST(FileLoading, AKindTheCallerDoesNotTakeChangesNothing)
{
    ScratchFolder dir;
    CDataStore store;
    DecodeKavBytes(SpanOf(EncodeKavResult(TwoWaveLengths, SampleLossTests(3, 1))), store);
    DecodeOpmBytes(SpanOf(EncodeOpmResult(SampleOpmReadings(2))), store, nullptr);
    InfoFields typed;
    typed.JobId = "JOB-7";
    store.SetInfoFields(typed);
    const std::string kavDocument = KavDocumentBytes(store), opmDocument = OpmDocumentBytes(store);

    RecordingSink sink;
    LoadOptions opmTab;
    opmTab.accepted = {FileKind::OpmResult, FileKind::OpmDocument};
    opmTab.rows = &sink;
    const LoadOutcome refused =
        Load(dir, "three.bin", EncodeKavResult(ThreeWaveLengths, SampleLossTests(5, 1)), store, opmTab);
    EXPECT_EQ(refused.result, DecodeResult::WrongKind);
    EXPECT_EQ(refused.kind, FileKind::KavResult);
    EXPECT_EQ(KavDocumentBytes(store) + OpmDocumentBytes(store), kavDocument + opmDocument);
    EXPECT_EQ(store.GetInfoFields().JobId, "JOB-7");
    EXPECT_EQ(sink.clears, 0);

    // The kind it takes goes to the sink; a document's rows come from the store.
    ASSERT_EQ(Load(dir, "readings.bin", EncodeOpmResult(SampleOpmReadings(6)), store, opmTab).result,
              DecodeResult::Ok);
    EXPECT_EQ(sink.rows.size(), 6u);
    ASSERT_EQ(Load(dir, "saved.opm", opmDocument, store, opmTab).result, DecodeResult::Ok);
    EXPECT_EQ(store.GetOpmRecords().size(), 2u);
    EXPECT_EQ(sink.rows.size(), 6u);
    EXPECT_EQ(sink.clears, 1);
}

// The loss-test form follows the last loss-test file or document read, also
// when it holds no records; other kinds leave it alone.
TEST(FileLoading, TheWaveCountIsTheStores)
{
    ScratchFolder dir;
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
        const LoadOutcome outcome = Load(dir, step.name, step.bytes, store);
        ASSERT_EQ(outcome.result, DecodeResult::Ok) << step.name;
        EXPECT_EQ(outcome.waveCount, step.waveCount) << step.name;
        EXPECT_EQ(store.KavWaveCount(), step.waveCount) << step.name;
    }

    // A document gives the wavelengths of its first record, a result file its header's.
    const LoadOutcome result = LoadFile(dir.File("two.bin"), store);
    CDataStore other;
    const LoadOutcome document = Load(dir, "two.kav", KavDocumentBytes(store), other);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(result.waveLengths[i], TwoWaveLengths[i]);
        EXPECT_EQ(document.waveLengths[i], TwoWaveLengths[i]);
    }
}

TEST(FileLoading, RefusalsSayWhyEachInItsOwnWordsAndChangeNothing)
{
    ScratchFolder dir;
    WriteBytes(dir.File("noise.bin"), std::string(40, 'x'));
    std::string trace = EncodeTraceResult(SampleTrace(10));
    trace.pop_back();
    WriteBytes(dir.File("short.bin"), trace);
    std::filesystem::create_directory(dir.File("folder.kav"));

    CDataStore store;
    DecodeOrlBytes(SpanOf(EncodeOrlResult(SampleOrlReadings(2))), store, nullptr);
    const std::string before = OrlDocumentBytes(store);
    const std::pair<std::string, DecodeResult> refusals[] = {{"noise.bin", DecodeResult::Unrecognized},
                                                             {"short.bin", DecodeResult::Truncated},
                                                             {"missing.orl", DecodeResult::CannotOpen},
                                                             {"folder.kav", DecodeResult::NotAFile}};
    for (const auto& [name, result] : refusals) {
        const LoadOutcome outcome = LoadFile(dir.File(name), store);
        EXPECT_EQ(outcome.result, result) << name;
        EXPECT_FALSE(FailureReason(outcome).empty()) << name;
    }
    EXPECT_EQ(OrlDocumentBytes(store), before);
    const std::string missing = FailureReason(LoadFile(dir.File("missing.orl"), store));
    EXPECT_NE(missing.find(SystemWords(MissingFileError)), std::string::npos) << missing;

    // Every refusal has its own reason, and "File error!" heads exactly the
    // ones the program shows as "File error!".
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

// A list ended by an unknown unit is told before a cut that comes later; the
// count shown before the record reads as a person would write it.
TEST(FileLoading, AnIncompleteListNamesWhereItEnds)
{
    const struct
    {
        int declared, whole, endingUnknownUnit;
        std::string notice;
    } cases[] = {
        {50, 50, 0, ""},
        {50, 0, 0, "The file ends after 0 of 50 records; none is shown."},
        {50, 12, 1, "Record 1 of 50 has an unknown unit, which ends the list; no record before it is shown."},
        {50, 50, 2, "Record 2 of 50 has an unknown unit, which ends the list; the 1 is shown before it."},
    };
    for (const auto& c : cases) {
        LoadOutcome outcome;
        outcome.result = DecodeResult::Ok;
        outcome.records = {c.declared, c.whole, c.endingUnknownUnit};
        EXPECT_EQ(FilledIn(IncompleteFileNotice(outcome)), c.notice) << c.whole << " " << c.endingUnknownUnit;
    }
}
