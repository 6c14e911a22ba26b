#include "workbook/RecordSheets.h"

#include "data/CertificationSummary.h"
#include "data/LossTableColumns.h"
#include "data/LossTestRules.h"
#include "data/NameDecoding.h"
#include "data/RecordColumns.h"
#include "data/VerdictsCsv.h"

namespace {
template <typename Record, size_t N>
SheetTable ListSheet(const char* name, const RecordColumns<Record, N>& table,
                     const std::vector<Record>& records)
{
    SheetTable sheet;
    sheet.name = name;
    for (const RecordColumn<Record>& column : table.columns)
        sheet.columns.push_back({column.listTitle, std::string(), column.cell});
    sheet.rowCount = records.size();
    sheet.fillRow = [&table, &records](size_t row, std::vector<std::string>& cells) {
        for (size_t c = 0; c < N; ++c) {
            const RecordColumn<Record>& column = table.columns[c];
            // As shown: names as they are read, every other text ASCII.
            cells[c] = column.field ? NameUtf8(column.field(records[row])) : std::to_string(row + 1);
        }
        return false;
    };
    return sheet;
}

} // namespace

SheetTable OpmSheet(const CDataStore& store)
{
    return ListSheet("OPM", OpmColumns, store.GetOpmRecords());
}

SheetTable OrlSheet(const CDataStore& store)
{
    return ListSheet("ORL", OrlColumns, store.GetOrlRecords());
}

SheetTable LossTestSheet(const CDataStore& store, const LossTestVerdicts& verdicts, const TestLimits& limits)
{
    SheetTable sheet;
    sheet.name = "KAV";
    const ShownLossColumns columns = LossColumnsShown(false);
    // Under the user's limit the instrument's Pass/Fail is titled as its.
    const bool underLimit = limits.method != LimitMethod::Instrument;
    for (const LossTableColumn* column : columns) {
        const bool retitled = underLimit && column->nameUnderLimit;
        const char* unit = retitled ? column->unitUnderLimit : column->unit;
        sheet.columns.push_back(
            {retitled ? column->nameUnderLimit : column->name, unit ? unit : "", column->cell});
    }
    const size_t waveCount = store.KavWaveCount() == 2 ? 2 : 3;
    sheet.rowCount = store.KavRecordCount() * waveCount;
    sheet.fillRow = [&store, waveCount, columns](size_t row, std::vector<std::string>& cells) {
        const KavRecordView record = KavRecordAt(store, row / waveCount);
        const auto wave = static_cast<int>(row % waveCount);
        for (size_t c = 0; c < columns.size(); ++c) {
            std::string& cell = cells[c];
            cell.clear();
            AppendLossCellText(cell, *columns[c], record, wave, nullptr);
            // Names as they are shown; every other text is ASCII.
            if (columns[c]->cell == CellKind::Text)
                cell = NameUtf8(cell);
        }
        return static_cast<size_t>(wave) == waveCount - 1;
    };
    // The loss cells by the limit's verdict, as the table colours them.
    if (verdicts.WaveCount() == static_cast<int>(waveCount) &&
        verdicts.RecordCount() == store.KavRecordCount())
        sheet.cellFill = [&verdicts, waveCount, columns](size_t row,
                                                         size_t column) -> std::optional<uint32_t> {
            const LossValue& loss = columns[column]->value;
            if (!(loss == KavColumn::LossAB) && !(loss == KavColumn::LossBA))
                return std::nullopt;
            const WaveVerdict& wave = verdicts.At(row / waveCount, static_cast<int>(row % waveCount));
            return VerdictFill(wave.VerdictOf(loss == KavColumn::LossAB ? Direction::AB : Direction::BA));
        };
    return sheet;
}

SheetTable VerdictsSheet(const CDataStore& store, const LossTestVerdicts& verdicts)
{
    SheetTable sheet;
    sheet.name = "Verdicts";
    for (const VerdictColumn& column : VerdictColumns)
        sheet.columns.push_back({column.name, column.unit ? column.unit : "", column.cell});
    sheet.rowCount = VerdictRowCount(verdicts);
    const size_t rowsPerRecord = sheet.rowCount == 0 ? 1 : sheet.rowCount / verdicts.RecordCount();
    sheet.fillRow = [&store, &verdicts, rowsPerRecord,
                     texts = VerdictRowTexts()](size_t row, std::vector<std::string>& cells) mutable {
        FillVerdictRow(store, verdicts, row, texts);
        for (size_t c = 0; c < texts.size(); ++c)
            cells[c] = texts[c];
        // Names as they are shown.
        cells[0] = NameUtf8(cells[0]);
        cells[1] = NameUtf8(cells[1]);
        return row % rowsPerRecord == rowsPerRecord - 1;
    };
    return sheet;
}

SheetTable SummarySheet(const CDataStore& store, const LossTestVerdicts& verdicts, const TestLimits& limits,
                        const std::string& fileName)
{
    const CertificationSummary summary = Summarize(verdicts);
    const VerdictCounts& fibres = summary.fibres;
    std::vector<std::pair<SheetColumn, std::string>> cells = {
        {{"File", "", CellKind::Text}, fileName},
        {{"Limit", "", CellKind::Text}, LimitName(limits)},
        {{"Fibres", "", CellKind::Number}, std::to_string(fibres.Total())},
        {{"Pass", "", CellKind::Number}, std::to_string(fibres.pass)},
        {{"Warning", "", CellKind::Number}, std::to_string(fibres.warning)},
        {{"Incomplete", "", CellKind::Number}, std::to_string(fibres.incomplete)},
        {{"Fail", "", CellKind::Number}, std::to_string(fibres.fail)},
        {{"Not certified", "", CellKind::Number}, std::to_string(fibres.noVerdict)},
    };
    if (!verdicts.NotCertified().empty()) {
        std::string waveLengths;
        for (const int32_t waveLength : verdicts.NotCertified())
            waveLengths += (waveLengths.empty() ? "" : ", ") + std::to_string(waveLength);
        cells.push_back({{"Not certified", "(nm)", CellKind::Text}, waveLengths});
    }
    if (summary.worst) {
        const VerdictPlace& worst = *summary.worst;
        const KavRecordView record = KavRecordAt(store, worst.record);
        std::string margin;
        AppendHundredths(margin, summary.worstMargin);
        cells.push_back({{"Worst margin", "(dB)", CellKind::Number}, margin});
        cells.push_back({{"Worst cable", "", CellKind::Text}, NameUtf8(CableOf(record))});
        cells.push_back({{"Worst fiber", "", CellKind::Text}, NameUtf8(FiberOf(record))});
        cells.push_back(
            {{"Worst wavelength", "(nm)", CellKind::Number}, std::to_string(record.waveLength[worst.wave])});
        cells.push_back({{"Worst direction", "", CellKind::Text}, DirectionText(worst.direction)});
    }
    SheetTable sheet;
    sheet.name = "Summary";
    std::vector<std::string> row;
    for (auto& [column, text] : cells) {
        sheet.columns.push_back(column);
        row.push_back(text);
    }
    sheet.rowCount = 1;
    sheet.fillRow = [row](size_t, std::vector<std::string>& out) {
        out = row;
        return false;
    };
    return sheet;
}
