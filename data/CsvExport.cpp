#include "data/CsvExport.h"

#include "data/CsvField.h"
#include "data/FieldText.h"
#include "data/FixedDecimal.h"
#include "data/LossTableColumns.h"
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
        for (size_t place = 0; place < N && m_Order[place] != NotPlaced; ++place) {
            if (place != 0)
                out += ',';
            appendColumn(m_Table.columns[static_cast<size_t>(m_Order[place])]);
        }
        out += CsvLineEnd;
    }

    const RecordColumns<Record, N>& m_Table;
    std::array<int, N> m_Order;
};

// A line per wavelength of each record, in the columns shown.
template <typename Record>
void AppendKavLines(std::string& out, const std::vector<Record>& records, const ShownLossColumns& columns,
                    const LossTestVerdicts* verdicts)
{
    std::string cell;
    for (size_t k = 0; k < records.size(); ++k) {
        const KavRecordView view = ViewOf(records[k]);
        const int last = view.waveCount - 1;
        for (int i = 0; i <= last; ++i) {
            const WaveVerdict* verdict = verdicts ? &verdicts->At(k, i) : nullptr;
            for (size_t c = 0; c < columns.size(); ++c) {
                if (c != 0)
                    out += ',';
                if (columns[c]->csvOnLastRow && i != last) {
                    out += ' ';
                    continue;
                }
                cell.clear();
                AppendLossCellText(cell, *columns[c], view, i, verdict);
                AppendCsvField(out, cell);
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

std::string KavCsvBytes(const CDataStore& store, const LossTestVerdicts* verdicts)
{
    const ShownLossColumns columns = LossColumnsShown(verdicts != nullptr);
    std::string out;
    for (size_t c = 0; c < columns.size(); ++c) {
        if (c != 0)
            out += ',';
        out += columns[c]->csvHeader;
    }
    out += CsvLineEnd;
    if (store.KavWaveCount() == 2) {
        out.reserve(out.size() + store.GetKavRecords2().size() * 2 * 120);
        AppendKavLines(out, store.GetKavRecords2(), columns, verdicts);
    } else {
        out.reserve(out.size() + store.GetKavRecords3().size() * 3 * 120);
        AppendKavLines(out, store.GetKavRecords3(), columns, verdicts);
    }
    return out;
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
