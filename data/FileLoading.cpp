#include "data/FileLoading.h"

#include "data/RecordKinds.h"
#include "data/ResultFrame.h"
#include "platform/files/FileBytes.h"

#include <algorithm>

namespace {
// The largest file of each kind: a result file holds at most 65,535 records,
// and a document at most what the store can hold from one. Reading stops
// just past the largest file the name allows, so a document too long for its
// kind, a device or an endless stream is never read whole.
constexpr size_t LargestResultFile = ResultHeaderSize + KavResultRecordSize * MaxResultRecords;
static_assert(KavResultRecordSize >= OpmResultRecordSize && KavResultRecordSize >= OrlResultRecordSize);
static_assert(LargestResultFile >= TraceHeaderSize + 4 * MaxResultRecords);

size_t ReadLimitFor(const std::string& name)
{
    const RecordKindData* named = DataOfFile(DocumentKindOfEnding(name));
    return std::max(LargestResultFile, named ? named->largestDocument : 0);
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
    else if (recognized.kind != FileKind::Unknown)
        recognized.status = DecodeResult::Ok;
    else if (named != FileKind::Unknown)
        recognized.status = DecodeResult::WrongLength;
    else {
        recognized.status = DecodeResult::Unrecognized;
        recognized.systemReason =
            recognized.bytes.size() < ResultSignatureSize ? "too short" : "unknown signature";
    }
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
    const RecordKindData& data = *DataOfFile(file.kind);
    const ByteSpan bytes{file.bytes.data(), file.bytes.size()};
    outcome.result = IsDocument(file.kind) ? data.readDocument(bytes, store, outcome)
                                           : data.decodeResultFile(bytes, store, options.rows, outcome);
    outcome.waveCount = store.KavWaveCount();
    return outcome;
}

LoadOutcome LoadFile(const std::string& path, CDataStore& store, const LoadOptions& options)
{
    return LoadRecognizedFile(RecognizeFile(path), store, options);
}

std::string FailureDetail(const LoadOutcome& outcome)
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
        return "not an instrument result file or a document of this program" +
               (outcome.systemReason.empty() ? "" : " (" + outcome.systemReason + ")");
    case DecodeResult::BadSignature:
        return "wrong signature";
    case DecodeResult::BadMark:
        return "no trace mark 165";
    case DecodeResult::Truncated:
        return "shorter than its header or its samples";
    case DecodeResult::WrongLength:
        return "its length does not match its record count";
    case DecodeResult::TooLarge:
        return "too large for its kind";
    case DecodeResult::WrongKind:
        return "not of the kind asked for";
    }
    return "";
}

std::string FailureReason(const LoadOutcome& outcome)
{
    const std::string detail = FailureDetail(outcome);
    return IsFileError(outcome.result) ? "File error! (" + detail + ")" : detail;
}

namespace {
// Each notice's endings for no record shown, one, and more.
const char* const CutShortPatterns[] = {
    KAV_TRANSLATABLE("LoadNotice", "The file ends after %1 of %2 records; none is shown."),
    KAV_TRANSLATABLE("LoadNotice", "The file ends after %1 of %2 records; the 1 is shown."),
    KAV_TRANSLATABLE("LoadNotice", "The file ends after %1 of %2 records; the %1 are shown."),
};
const char* const UnknownUnitPatterns[] = {
    KAV_TRANSLATABLE(
        "LoadNotice",
        "Record %1 of %2 has an unknown unit, which ends the list; no record before it is shown."),
    KAV_TRANSLATABLE("LoadNotice",
                     "Record %1 of %2 has an unknown unit, which ends the list; the 1 is shown before it."),
    KAV_TRANSLATABLE("LoadNotice",
                     "Record %1 of %2 has an unknown unit, which ends the list; the %3 are shown before it."),
};

size_t Ending(int shown)
{
    return shown == 0 ? 0 : shown == 1 ? 1 : 2;
}
} // namespace

LoadNotice IncompleteFileNotice(const LoadOutcome& outcome)
{
    if (outcome.result != DecodeResult::Ok || !outcome.records.Incomplete())
        return {};
    const ResultRecordCounts& records = outcome.records;
    // The unknown unit lies within the whole records, so it ends the list first.
    if (records.endingUnknownUnit == 0)
        return {CutShortPatterns[Ending(records.whole)], {records.whole, records.declared}};
    const int before = records.endingUnknownUnit - 1;
    LoadNotice notice{UnknownUnitPatterns[Ending(before)], {records.endingUnknownUnit, records.declared}};
    if (before > 1) // only the last ending names the count
        notice.values.push_back(before);
    return notice;
}
