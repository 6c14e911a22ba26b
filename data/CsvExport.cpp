#include "data/CsvExport.h"

#include "data/FieldText.h"
#include "data/FixedDecimal.h"
#include "data/LossTestRules.h"
#include "platform/files/SafeFileWriter.h"

#include <initializer_list>
#include <string_view>

namespace {
const char* const LineEnd = "\r\n";

// A field holding a separator, a quote or a line break is quoted so that it
// reads back as one field; every other field is written byte for byte.
void AppendField(std::string& out, std::string_view text)
{
    bool needsQuotes = false;
    for (size_t i = 0; i < text.size() && !needsQuotes; ++i)
        needsQuotes = text[i] == ',' || text[i] == '"' || text[i] == '\r' || text[i] == '\n';
    if (!needsQuotes) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

// A record's text field up to its terminator, never past its width.
template <size_t Width> std::string_view StoredText(const char (&field)[Width])
{
    return std::string_view(field, BoundedLength(field, Width));
}

void AppendTextLine(std::string& out, std::initializer_list<std::string_view> fields)
{
    const char* separator = "";
    for (const std::string_view field : fields) {
        out += separator;
        AppendField(out, field);
        separator = ",";
    }
    out += LineEnd;
}

template <typename Record> void AppendKavLines(std::string& out, const std::vector<Record>& records)
{
    std::string cell;
    for (const Record& record : records) {
        const KavRecordView view = ViewOf(record);
        const int last = view.waveCount - 1;
        for (int i = 0; i <= last; ++i) {
            for (int c = 0; c < KavColumnCount; ++c) {
                if (c != 0)
                    out += ',';
                const auto column = static_cast<KavColumn>(c);
                if (column == KavColumn::Length && i != last) {
                    out += ' ';
                    continue;
                }
                cell.clear();
                AppendKavCellText(cell, view, i, column);
                AppendField(out, cell);
            }
            out += LineEnd;
        }
    }
}

WriteResult Export(const std::string& path, const std::string& bytes, std::string* pathMember)
{
    const WriteResult result = WriteFileSafely(path, bytes);
    if (result.ok() && pathMember != nullptr)
        CDataStore::SetPath(*pathMember, path);
    return result;
}
} // namespace

std::string OpmCsvBytes(const CDataStore& store)
{
    std::string out;
    for (const OpmRecord& r : store.GetOpmRecords()) {
        if (out.empty())
            out = std::string("Cable,Fiber,WaveLength,Reference,Power,Date,Time") + LineEnd;
        AppendTextLine(out, {StoredText(r.Cable), StoredText(r.Fiber), StoredText(r.WaveLength),
                             StoredText(r.Reference), StoredText(r.Power), StoredText(r.Date),
                             StoredText(r.Time)});
    }
    return out;
}

std::string KavCsvBytes(const CDataStore& store, int waveCount)
{
    std::string out =
        std::string("Cable,Fiber,Wavelength(nm),LossA->B(dB),LossB->A(dB),AVER,ReferenceA->B(dBm),"
                    "ReferenceB->A(dBm),Threshold(dB),PowerA->B(dBm),PowerB->A(dBm),Pass/Fail,"
                    "Length(km),ORL A->B(dB),ORL B->A(dB),Date,Time") +
        LineEnd;
    if (waveCount == 2) {
        out.reserve(out.size() + store.GetKavRecords2().size() * 2 * 120);
        AppendKavLines(out, store.GetKavRecords2());
    } else {
        out.reserve(out.size() + store.GetKavRecords3().size() * 3 * 120);
        AppendKavLines(out, store.GetKavRecords3());
    }
    return out;
}

std::string OrlCsvBytes(const CDataStore& store)
{
    std::string out = std::string("Cable,Fiber,Wavelength(nm),ORL Value(dB),Date,Time") + LineEnd;
    for (const OrlRecord& r : store.GetOrlRecords())
        AppendTextLine(out, {StoredText(r.Cable), StoredText(r.Fiber), StoredText(r.WaveLength),
                             StoredText(r.OrlValue), StoredText(r.Date), StoredText(r.Time)});
    return out;
}

std::string TraceCsvBytes(const CDataStore& store)
{
    std::string out = std::string("Sample,Power(dBm)") + LineEnd;
    const std::vector<float>& values = store.GetTraceValues();
    for (size_t i = 1; i < values.size(); ++i) {
        out += std::to_string(i);
        out += ',';
        AppendFixed(out, values[i], 2);
        out += LineEnd;
    }
    return out;
}

WriteResult ExportOpmCsv(const std::string& path, CDataStore& store)
{
    return Export(path, OpmCsvBytes(store), &store.m_OpmPath);
}

WriteResult ExportKav3Csv(const std::string& path, CDataStore& store)
{
    return Export(path, KavCsvBytes(store, 3), &store.m_KavPath);
}

WriteResult ExportKav2Csv(const std::string& path, CDataStore& store)
{
    return Export(path, KavCsvBytes(store, 2), &store.m_KavPath);
}

WriteResult ExportOrlCsv(const std::string& path, CDataStore& store)
{
    return Export(path, OrlCsvBytes(store), nullptr);
}

WriteResult ExportTraceCsv(const std::string& path, const CDataStore& store)
{
    return Export(path, TraceCsvBytes(store), nullptr);
}
