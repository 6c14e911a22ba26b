#include "data/CsvExport.h"

#include "data/CsvField.h"
#include "data/FieldText.h"
#include "data/FixedDecimal.h"
#include "data/KeptPathWrite.h"
#include "data/LimitColumnCells.h"
#include "data/LossTestRules.h"
#include "data/RecordColumns.h"

#include <array>
#include <string_view>

namespace {
// The exported columns of a table, in the export's order.
template <typename Record, size_t N> class CsvColumns
{
public:
    explicit CsvColumns(const RecordColumns<Record, N>& table)
        : m_Table(table), m_Order(OrderOf(table, &RecordColumn<Record>::csvPosition))
    {
    }

    void AppendHeader(std::string& out) const
    {
        const auto header = [&out](const RecordColumn<Record>& column) { out += column.csvHeader; };
        Append(out, header);
    }

    // The record's exported text fields as stored.
    void AppendLine(std::string& out, const Record& record) const
    {
        const auto field = [&](const RecordColumn<Record>& column) {
            AppendCsvField(out, column.field(record));
        };
        Append(out, field);
    }

private:
    template <typename AppendColumn> void Append(std::string& out, AppendColumn appendColumn) const
    {
        for (size_t place = 0; place < N && m_Order[place] != NotExported; ++place) {
            if (place != 0)
                out += ',';
            appendColumn(m_Table.columns[static_cast<size_t>(m_Order[place])]);
        }
        out += CsvLineEnd;
    }

    const RecordColumns<Record, N>& m_Table;
    std::array<int, N> m_Order;
};

template <typename Record>
void AppendKavLines(std::string& out, const std::vector<Record>& records, const LossTestVerdicts* verdicts)
{
    std::string cell;
    for (size_t k = 0; k < records.size(); ++k) {
        const KavRecordView view = ViewOf(records[k]);
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
                AppendCsvField(out, cell);
            }
            for (const LimitColumn column : LimitColumnOrder) {
                if (!verdicts)
                    break;
                out += ',';
                AppendLimitCellText(out, verdicts->At(k, i), column);
            }
            out += CsvLineEnd;
        }
    }
}

} // namespace

std::string OpmCsvBytes(const CDataStore& store)
{
    // The header goes in front of the first reading: no readings, an empty file.
    const CsvColumns columns(OpmColumns);
    std::string out;
    for (const OpmRecord& record : store.GetOpmRecords()) {
        if (out.empty())
            columns.AppendHeader(out);
        columns.AppendLine(out, record);
    }
    return out;
}

std::string KavCsvBytes(const CDataStore& store, int waveCount, const LossTestVerdicts* verdicts)
{
    std::string out = "Cable,Fiber,Wavelength(nm),LossA->B(dB),LossB->A(dB),AVER,ReferenceA->B(dBm),"
                      "ReferenceB->A(dBm),Threshold(dB),PowerA->B(dBm),PowerB->A(dBm),Pass/Fail,"
                      "Length(km),ORL A->B(dB),ORL B->A(dB),Date,Time";
    if (verdicts)
        out += ",Limit(dB),Margin(dB),Result";
    out += CsvLineEnd;
    if (waveCount == 2) {
        out.reserve(out.size() + store.GetKavRecords2().size() * 2 * 120);
        AppendKavLines(out, store.GetKavRecords2(), verdicts);
    } else {
        out.reserve(out.size() + store.GetKavRecords3().size() * 3 * 120);
        AppendKavLines(out, store.GetKavRecords3(), verdicts);
    }
    return out;
}

std::string KavCsvBytes(const CDataStore& store)
{
    return KavCsvBytes(store, store.KavWaveCount() == 2 ? 2 : 3);
}

std::string OrlCsvBytes(const CDataStore& store)
{
    const CsvColumns columns(OrlColumns);
    std::string out;
    columns.AppendHeader(out);
    for (const OrlRecord& record : store.GetOrlRecords())
        columns.AppendLine(out, record);
    return out;
}

std::string TraceCsvBytes(const CDataStore& store)
{
    std::string out = std::string("Sample,Power(dBm)") + CsvLineEnd;
    const std::vector<float>& values = store.GetTraceValues();
    for (size_t i = 1; i < values.size(); ++i) {
        out += std::to_string(i);
        out += ',';
        AppendFixed(out, values[i], 2);
        out += CsvLineEnd;
    }
    return out;
}

WriteResult ExportOpmCsv(const std::string& path, CDataStore& store)
{
    return WriteKeepingPath(path, OpmCsvBytes(store), &store.m_OpmPath);
}

WriteResult ExportKav3Csv(const std::string& path, CDataStore& store)
{
    return WriteKeepingPath(path, KavCsvBytes(store, 3), &store.m_KavPath);
}

WriteResult ExportKav2Csv(const std::string& path, CDataStore& store)
{
    return WriteKeepingPath(path, KavCsvBytes(store, 2), &store.m_KavPath);
}

WriteResult ExportOrlCsv(const std::string& path, CDataStore& store)
{
    return WriteKeepingPath(path, OrlCsvBytes(store), nullptr);
}

WriteResult ExportKavCsv(const std::string& path, CDataStore& store)
{
    return store.KavWaveCount() == 2 ? ExportKav2Csv(path, store) : ExportKav3Csv(path, store);
}

WriteResult ExportKavCsvWithLimits(const std::string& path, CDataStore& store,
                                   const LossTestVerdicts& verdicts)
{
    return WriteKeepingPath(path, KavCsvBytes(store, store.KavWaveCount() == 2 ? 2 : 3, &verdicts),
                            &store.m_KavPath);
}
