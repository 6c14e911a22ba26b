#include "FileLoading.h"

#include "Documents.h"
#include "FileBytes.h"
#include "ResultFileDecoders.h"

#include <algorithm>

namespace {
// Far beyond any file the instrument or the program makes; a document longer
// than this is refused without being read whole.
constexpr size_t ReadLimit = size_t(1) << 30;

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

RecognizedFile RecognizeFile(const std::string& path)
{
    RecognizedFile recognized;
    FileBytes file = ReadFileBytes(path, ReadLimit);
    if (!file.opened) {
        recognized.systemReason = file.reason;
        return recognized;
    }
    recognized.bytes = std::move(file.bytes);
    recognized.kind = RecognizeBytes({recognized.bytes.data(), recognized.bytes.size()}, path);
    const FileKind named = DocumentKindOfEnding(path);
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
