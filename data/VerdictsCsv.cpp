#include "data/VerdictsCsv.h"

#include "data/CsvField.h"
#include "data/LossTestRules.h"

#include <iterator>

namespace {
using VerdictRowTexts = std::array<std::string, VerdictColumnCount>;

void SetValue(std::string& text, const std::optional<int64_t>& hundredths)
{
    text.clear();
    if (hundredths)
        AppendHundredths(text, *hundredths);
}

void SetTexts(const VerdictRow& row, VerdictRowTexts& texts)
{
    texts[0] = row.cable;
    texts[1] = row.fiber;
    texts[2] = std::to_string(row.waveLength);
    texts[3] = DirectionText(row.direction);
    SetValue(texts[4], row.loss);
    SetValue(texts[5], row.limit);
    SetValue(texts[6], row.margin);
    texts[7] = VerdictText(row.verdict);
}
} // namespace

size_t VerdictRowCount(const LossTestVerdicts& verdicts)
{
    return verdicts.RecordCount() * static_cast<size_t>(verdicts.WaveCount()) * std::size(Directions);
}

VerdictRow VerdictRowAt(const CDataStore& store, const LossTestVerdicts& verdicts, size_t row)
{
    const size_t directions = std::size(Directions);
    const size_t perRecord = static_cast<size_t>(verdicts.WaveCount()) * directions;
    const size_t k = row / perRecord;
    const int i = static_cast<int>(row % perRecord / directions);
    const Direction d = Directions[row % directions];
    const KavRecordView record = KavRecordAt(store, k);
    const WaveVerdict& wave = verdicts.At(k, i);
    VerdictRow shown{CableOf(record),  FiberOf(record), record.waveLength[i], d, {}, {}, {},
                     wave.VerdictOf(d)};
    if (wave.Loss(d) != NoHundredths)
        shown.loss = wave.Loss(d);
    if (wave.limit != NoHundredths)
        shown.limit = wave.limit;
    if (wave.HasMargin(d))
        shown.margin = wave.Margin(d);
    return shown;
}

std::string VerdictsCsvHeader()
{
    std::string out;
    const char* separator = "";
    for (const VerdictColumn& column : VerdictColumns) {
        out += separator;
        out += column.name;
        if (column.unit)
            out += column.unit;
        separator = ",";
    }
    return out + CsvLineEnd;
}

void AppendVerdictsCsvRows(std::string& out, const CDataStore& store, const LossTestVerdicts& verdicts)
{
    const size_t rows = VerdictRowCount(verdicts);
    out.reserve(out.size() + rows * 64);
    VerdictRowTexts texts;
    for (size_t row = 0; row < rows; ++row) {
        SetTexts(VerdictRowAt(store, verdicts, row), texts);
        AppendCsvLine(out, texts);
    }
}

std::string VerdictsCsvBytes(const CDataStore& store, const LossTestVerdicts& verdicts)
{
    std::string out = VerdictsCsvHeader();
    AppendVerdictsCsvRows(out, store, verdicts);
    return out;
}
