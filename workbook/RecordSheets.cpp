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
    sheet.fillRow = [&table, &records](size_t row, std::vector<SheetCell>& cells) {
        for (size_t c = 0; c < N; ++c) {
            const RecordColumn<Record>& column = table.columns[c];
            // As shown: names as they are read, every other text ASCII.
            if (column.field)
                cells[c].Show(NameUtf8(column.field(records[row])));
            else
                cells[c] = WholeNumberCell(static_cast<int64_t>(row + 1));
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
    // The loss cells by the limit's verdict, as the table colours them.
    const bool coloured = verdicts.WaveCount() == static_cast<int>(waveCount) &&
                          verdicts.RecordCount() == store.KavRecordCount();
    sheet.fillRow = [&store, &verdicts, coloured, waveCount, columns,
                     text = std::string()](size_t row, std::vector<SheetCell>& cells) mutable {
        const KavRecordView record = KavRecordAt(store, row / waveCount);
        const auto wave = static_cast<int>(row % waveCount);
        for (size_t c = 0; c < columns.size(); ++c) {
            const LossTableColumn& column = *columns[c];
            SheetCell& cell = cells[c];
            if (const std::optional<ShownNumber> number = LossCellNumber(column, record, wave)) {
                cell.Show(*number);
            } else {
                text.clear();
                AppendLossCellText(text, column, record, wave, nullptr);
                // Names as they are shown; every other text is ASCII.
                cell.Show(column.cell == CellKind::Text ? NameUtf8(text) : text);
            }
            const LossValue& loss = column.value;
            if (coloured && (loss == KavColumn::LossAB || loss == KavColumn::LossBA)) {
                const WaveVerdict& verdict = verdicts.At(row / waveCount, wave);
                cell.fill =
                    VerdictFill(verdict.VerdictOf(loss == KavColumn::LossAB ? Direction::AB : Direction::BA));
            }
        }
        return static_cast<size_t>(wave) == waveCount - 1;
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
    sheet.fillRow = [&store, &verdicts, rowsPerRecord](size_t row, std::vector<SheetCell>& cells) {
        const VerdictRow shown = VerdictRowAt(store, verdicts, row);
        // Names as they are shown.
        cells[0].Show(NameUtf8(shown.cable));
        cells[1].Show(NameUtf8(shown.fiber));
        cells[2].Show(ScaledNumber(shown.waveLength, 0));
        cells[3].Show(DirectionText(shown.direction));
        const std::optional<int64_t> values[] = {shown.loss, shown.limit, shown.margin};
        for (size_t v = 0; v < std::size(values); ++v)
            if (values[v])
                cells[4 + v].Show(ScaledNumber(*values[v], 2));
            else
                cells[4 + v].Show(std::string_view());
        cells[7].Show(VerdictText(shown.verdict));
        return row % rowsPerRecord == rowsPerRecord - 1;
    };
    return sheet;
}

SheetTable SummarySheet(const CDataStore& store, const LossTestVerdicts& verdicts, const TestLimits& limits,
                        const std::string& fileName)
{
    const CertificationSummary summary = Summarize(verdicts);
    const VerdictCounts& fibres = summary.fibres;
    const auto count = [](size_t n) { return WholeNumberCell(static_cast<int64_t>(n)); };
    std::vector<std::pair<SheetColumn, SheetCell>> cells = {
        {{"File", "", CellKind::Text}, TextCell(fileName)},
        {{"Limit", "", CellKind::Text}, TextCell(LimitName(limits))},
        {{"Fibres", "", CellKind::Number}, count(fibres.Total())},
        {{"Pass", "", CellKind::Number}, count(fibres.pass)},
        {{"Warning", "", CellKind::Number}, count(fibres.warning)},
        {{"Incomplete", "", CellKind::Number}, count(fibres.incomplete)},
        {{"Fail", "", CellKind::Number}, count(fibres.fail)},
        {{"Not certified", "", CellKind::Number}, count(fibres.noVerdict)},
    };
    if (!verdicts.NotCertified().empty()) {
        std::string waveLengths;
        for (const int32_t waveLength : verdicts.NotCertified())
            waveLengths += (waveLengths.empty() ? "" : ", ") + std::to_string(waveLength);
        cells.push_back({{"Not certified", "(nm)", CellKind::Text}, TextCell(waveLengths)});
    }
    if (summary.worst) {
        const VerdictPlace& worst = *summary.worst;
        const KavRecordView record = KavRecordAt(store, worst.record);
        cells.push_back(
            {{"Worst margin", "(dB)", CellKind::Number}, NumberCell(ScaledNumber(summary.worstMargin, 2))});
        cells.push_back({{"Worst cable", "", CellKind::Text}, TextCell(NameUtf8(CableOf(record)))});
        cells.push_back({{"Worst fiber", "", CellKind::Text}, TextCell(NameUtf8(FiberOf(record)))});
        cells.push_back(
            {{"Worst wavelength", "(nm)", CellKind::Number}, WholeNumberCell(record.waveLength[worst.wave])});
        cells.push_back({{"Worst direction", "", CellKind::Text}, TextCell(DirectionText(worst.direction))});
    }
    SheetTable sheet;
    sheet.name = "Summary";
    std::vector<SheetCell> row;
    for (auto& [column, cell] : cells) {
        sheet.columns.push_back(column);
        row.push_back(cell);
    }
    sheet.rowCount = 1;
    sheet.fillRow = [row](size_t, std::vector<SheetCell>& out) {
        out = row;
        return false;
    };
    return sheet;
}
