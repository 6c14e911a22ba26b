#include "LoadedFile.h"

#include "CsvExport.h"
#include "Documents.h"
#include "FileBytes.h"
#include "FixedDecimal.h"
#include "ResultFileDecoders.h"

namespace {
// Larger than any result file or document the instrument or the program makes.
constexpr size_t ReadLimit = size_t(1) << 30;

bool IsOpm(FileKind k)
{
    return k == FileKind::OpmResult || k == FileKind::OpmDocument;
}
bool IsKav(FileKind k)
{
    return k == FileKind::KavResult || k == FileKind::KavDocument;
}
bool IsOrl(FileKind k)
{
    return k == FileKind::OrlResult || k == FileKind::OrlDocument;
}

std::string RefusalReason(DecodeResult result)
{
    switch (result) {
    case DecodeResult::BadSignature:
        return "File error! (wrong signature)";
    case DecodeResult::BadMark:
        return "File error! (no trace mark 165)";
    case DecodeResult::Truncated:
        return "File error! (shorter than its header or its samples)";
    case DecodeResult::WrongLength:
        return "File error! (its length does not match its record count)";
    case DecodeResult::CannotOpen:
        return "cannot be read";
    case DecodeResult::Ok:
        break;
    }
    return "";
}

// A trace document holds only the values: the page's texts are derived
// from them, with no wavelength or times to show.
TraceFileContents ContentsOfValues(const std::vector<float>& values)
{
    TraceFileContents c;
    c.sampleCount = values.empty() ? 0 : static_cast<int>(values.size() - 1);
    c.recordCount = std::to_string(c.sampleCount);
    c.plotValues = values;
    if (!values.empty())
        c.reference = FixedText(values[0], 2);
    const float* samples = values.empty() ? nullptr : values.data() + 1;
    SetTraceStatistics(c, samples, static_cast<size_t>(c.sampleCount));
    return c;
}

DecodeResult Decode(LoadedFile& f, ByteSpan bytes)
{
    CDataStore& store = f.store;
    switch (f.kind) {
    case FileKind::OpmResult:
        return DecodeOpmBytes(bytes, store, nullptr);
    case FileKind::OrlResult:
        return DecodeOrlBytes(bytes, store, nullptr);
    case FileKind::KavResult: {
        const KavDecodeOutcome outcome = DecodeKavBytes(bytes, store);
        f.waveCount = store.m_KavWaveMode == CDataStore::KavModeTwo ? 2 : 3;
        for (int i = 0; i < 3; ++i)
            f.waveLengths[i] = outcome.waveLengths[i];
        return outcome.result;
    }
    case FileKind::TraceResult: {
        TraceReadOutcome outcome = ReadTraceBytes(bytes, store);
        f.trace = std::move(outcome.contents);
        return outcome.result;
    }
    case FileKind::OpmDocument:
        return ReadOpmDocumentBytes(bytes, store);
    case FileKind::OrlDocument:
        return ReadOrlDocumentBytes(bytes, store);
    case FileKind::KavDocument: {
        const DecodeResult result = ReadKavDocumentBytes(bytes, store);
        if (store.m_KavWaveMode == CDataStore::KavModeThree) {
            f.waveCount = 3;
            if (!store.GetKavRecords3().empty())
                for (int i = 0; i < 3; ++i)
                    f.waveLengths[i] = store.GetKavRecords3()[0].WaveLength[i];
        } else if (store.m_KavWaveMode == CDataStore::KavModeTwo) {
            f.waveCount = 2;
            if (!store.GetKavRecords2().empty()) {
                f.waveLengths[0] = store.GetKavRecords2()[0].WaveLength[0];
                f.waveLengths[2] = store.GetKavRecords2()[0].WaveLength[1];
            }
        }
        return result;
    }
    case FileKind::TraceDocument: {
        const DecodeResult result = ReadTraceDocumentBytes(bytes, store);
        f.trace = ContentsOfValues(store.GetTraceValues());
        return result;
    }
    case FileKind::Unknown:
        break;
    }
    return DecodeResult::BadSignature;
}
} // namespace

LoadedFile LoadFile(const std::string& path)
{
    LoadedFile f;
    const FileBytes file = ReadFileBytes(path, ReadLimit);
    if (!file.opened) {
        f.status = LoadedFile::Status::CannotRead;
        f.reason = "cannot be read: " + file.reason;
        return f;
    }
    const ByteSpan bytes{file.bytes.data(), file.bytes.size()};
    f.kind = RecognizeBytes(bytes, path);
    if (f.kind == FileKind::Unknown) {
        f.status = LoadedFile::Status::Refused;
        f.reason = "not an OPM, KAV, ORL or recorded trace file";
        return f;
    }
    if (file.overLimit) {
        f.status = LoadedFile::Status::Refused;
        f.reason = "too large for its kind";
        return f;
    }
    const DecodeResult result = Decode(f, bytes);
    if (result != DecodeResult::Ok) {
        f.status = LoadedFile::Status::Refused;
        f.reason = RefusalReason(result);
    }
    return f;
}

const char* LoadedFile::KindName() const
{
    if (IsOpm(kind))
        return "opm";
    if (IsKav(kind))
        return "kav";
    if (IsOrl(kind))
        return "orl";
    return "trace";
}

size_t LoadedFile::RecordCount() const
{
    if (IsOpm(kind))
        return store.GetOpmRecords().size();
    if (IsKav(kind))
        return waveCount == 2 ? store.GetKavRecords2().size() : store.GetKavRecords3().size();
    if (IsOrl(kind))
        return store.GetOrlRecords().size();
    return static_cast<size_t>(trace.sampleCount);
}

std::string LoadedFile::CsvBytes() const
{
    if (IsOpm(kind))
        return OpmCsvBytes(store);
    if (IsKav(kind))
        return KavCsvBytes(store, waveCount == 2 ? 2 : 3);
    if (IsOrl(kind))
        return OrlCsvBytes(store);
    return TraceCsvBytes(store);
}

std::string LoadedFile::DocumentBytes() const
{
    if (IsOpm(kind))
        return OpmDocumentBytes(store);
    if (IsKav(kind))
        return KavDocumentBytes(store);
    if (IsOrl(kind))
        return OrlDocumentBytes(store);
    return TraceDocumentBytes(store);
}
