#include "data/FileLoading.h"

#include "data/Documents.h"
#include "data/ResultFileDecoders.h"
#include "data/ResultFrame.h"
#include "platform/files/FileBytes.h"

#include <algorithm>

namespace {
// The largest file of each kind: a result file holds at most 65,535 records,
// and a document at most what the store can hold from one (a trace document:
// the reference level and 65,535 samples). Reading stops just past the
// largest file the name allows, so a document too long for its kind, a
// device or an endless stream is never read whole.
constexpr size_t MaxDocumentRecords = MaxResultRecords;
constexpr size_t LargestResultFile = ResultHeaderSize + KavResultRecordSize * MaxResultRecords;
static_assert(KavResultRecordSize >= OpmResultRecordSize && KavResultRecordSize >= OrlResultRecordSize);
static_assert(LargestResultFile >= TraceHeaderSize + 4 * MaxResultRecords);

size_t LargestDocument(FileKind kind)
{
    switch (kind) {
    case FileKind::OpmDocument:
        return sizeof(CDataStore::m_Reserved) + 4 + sizeof(OpmRecord) * MaxDocumentRecords;
    case FileKind::OrlDocument:
        return 4 + sizeof(OrlRecord) * MaxDocumentRecords;
    case FileKind::KavDocument:
        return 8 + sizeof(KavRecord3) * MaxDocumentRecords;
    case FileKind::TraceDocument:
        return 4 + sizeof(float) * (MaxDocumentRecords + 1);
    default:
        return 0;
    }
}

size_t ReadLimitFor(const std::string& name)
{
    return std::max(LargestResultFile, LargestDocument(DocumentKindOfEnding(name)));
}

void SetFirstRecordWaveLengths(const CDataStore& store, int (&waveLengths)[3])
{
    if (store.m_KavWaveMode == CDataStore::KavModeThree && !store.GetKavRecords3().empty()) {
        for (int i = 0; i < 3; ++i)
            waveLengths[i] = store.GetKavRecords3()[0].WaveLength[i];
    } else if (store.m_KavWaveMode == CDataStore::KavModeTwo && !store.GetKavRecords2().empty()) {
        waveLengths[0] = store.GetKavRecords2()[0].WaveLength[0];
        waveLengths[2] = store.GetKavRecords2()[0].WaveLength[1];
    }
}

DecodeResult Decode(FileKind kind, ByteSpan bytes, CDataStore& store, RowSink* rows, LoadOutcome& outcome)
{
    switch (kind) {
    case FileKind::OpmResult:
        return DecodeOpmBytes(bytes, store, rows);
    case FileKind::OrlResult:
        return DecodeOrlBytes(bytes, store, rows);
    case FileKind::KavResult: {
        const KavDecodeOutcome decoded = DecodeKavBytes(bytes, store);
        std::copy(std::begin(decoded.waveLengths), std::end(decoded.waveLengths), outcome.waveLengths);
        return decoded.result;
    }
    case FileKind::TraceResult: {
        TraceReadOutcome read = ReadTraceBytes(bytes, store);
        outcome.trace = std::move(read.contents);
        return read.result;
    }
    case FileKind::OpmDocument:
        return ReadOpmDocumentBytes(bytes, store);
    case FileKind::OrlDocument:
        return ReadOrlDocumentBytes(bytes, store);
    case FileKind::KavDocument: {
        const DecodeResult result = ReadKavDocumentBytes(bytes, store);
        if (result == DecodeResult::Ok)
            SetFirstRecordWaveLengths(store, outcome.waveLengths);
        return result;
    }
    case FileKind::TraceDocument: {
        const DecodeResult result = ReadTraceDocumentBytes(bytes, store);
        if (result == DecodeResult::Ok)
            outcome.trace = TraceContentsOfValues(store.GetTraceValues());
        return result;
    }
    case FileKind::Unknown:
        break;
    }
    return DecodeResult::Unrecognized;
}
} // namespace

RecognizedFile RecognizeFileBytes(FileBytes file, const std::string& name)
{
    RecognizedFile recognized;
    if (!file.ok()) {
        recognized.status =
            file.status == IoStatus::NotAFile ? DecodeResult::NotAFile : DecodeResult::CannotOpen;
        recognized.systemReason = file.reason;
        return recognized;
    }
    recognized.bytes = std::move(file.bytes);
    recognized.kind = RecognizeBytes({recognized.bytes.data(), recognized.bytes.size()}, name);
    const FileKind named = DocumentKindOfEnding(name);
    if (named != FileKind::Unknown && file.overLimit &&
        (recognized.kind == named || recognized.kind == FileKind::Unknown))
        recognized.status = DecodeResult::TooLarge;
    else if (recognized.kind == FileKind::Unknown)
        recognized.status =
            named == FileKind::Unknown ? DecodeResult::Unrecognized : DecodeResult::WrongLength;
    else
        recognized.status = DecodeResult::Ok;
    return recognized;
}

RecognizedFile RecognizeFile(const std::string& path)
{
    return RecognizeFileBytes(ReadFileBytes(path, ReadLimitFor(path)), path);
}

RecognizedFile RecognizeStandardInput()
{
    return RecognizeFileBytes(ReadStandardInput(ReadLimitFor("")), "");
}

LoadOutcome LoadRecognizedFile(const RecognizedFile& file, CDataStore& store, const LoadOptions& options)
{
    LoadOutcome outcome;
    outcome.kind = file.kind;
    outcome.systemReason = file.systemReason;
    outcome.result = file.status;
    if (outcome.result != DecodeResult::Ok)
        return outcome;
    const std::vector<FileKind>& accepted = options.accepted;
    if (!accepted.empty() && std::find(accepted.begin(), accepted.end(), file.kind) == accepted.end()) {
        outcome.result = DecodeResult::WrongKind;
        return outcome;
    }
    outcome.result = Decode(file.kind, {file.bytes.data(), file.bytes.size()}, store, options.rows, outcome);
    outcome.waveCount = store.KavWaveCount();
    return outcome;
}

LoadOutcome LoadFile(const std::string& path, CDataStore& store, const LoadOptions& options)
{
    return LoadRecognizedFile(RecognizeFile(path), store, options);
}

std::string FailureReason(const LoadOutcome& outcome)
{
    switch (outcome.result) {
    case DecodeResult::Ok:
        return "";
    case DecodeResult::CannotOpen:
        return outcome.systemReason.empty() ? "cannot be read" : "cannot be read: " + outcome.systemReason;
    case DecodeResult::NotAFile:
        return "cannot be read: " +
               (outcome.systemReason.empty() ? "not a regular file" : outcome.systemReason);
    case DecodeResult::Unrecognized:
        return "not an instrument result file or a document of this program";
    case DecodeResult::BadSignature:
        return "File error! (wrong signature)";
    case DecodeResult::BadMark:
        return "File error! (no trace mark 165)";
    case DecodeResult::Truncated:
        return "File error! (shorter than its header or its samples)";
    case DecodeResult::WrongLength:
        return "File error! (its length does not match its record count)";
    case DecodeResult::TooLarge:
        return "File error! (too large for its kind)";
    case DecodeResult::WrongKind:
        return "File error! (not of the kind asked for)";
    }
    return "";
}
