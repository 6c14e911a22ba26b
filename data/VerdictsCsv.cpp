#include "data/VerdictsCsv.h"

#include "data/CsvField.h"
#include "data/LossTestRules.h"

#include <iterator>

namespace {
void SetValue(std::string& text, int64_t hundredths, bool present)
{
    text.clear();
    if (present)
        AppendHundredths(text, hundredths);
}
} // namespace

size_t VerdictRowCount(const LossTestVerdicts& verdicts)
{
    return verdicts.RecordCount() * static_cast<size_t>(verdicts.WaveCount()) * std::size(Directions);
}

void FillVerdictRow(const CDataStore& store, const LossTestVerdicts& verdicts, size_t row,
                    VerdictRowTexts& texts)
{
    const size_t directions = std::size(Directions);
    const size_t perRecord = static_cast<size_t>(verdicts.WaveCount()) * directions;
    const size_t k = row / perRecord;
    const int i = static_cast<int>(row % perRecord / directions);
    const Direction d = Directions[row % directions];
    const KavRecordView record = KavRecordAt(store, k);
    const WaveVerdict& wave = verdicts.At(k, i);
    texts[0] = CableOf(record);
    texts[1] = FiberOf(record);
    texts[2] = std::to_string(record.waveLength[i]);
    texts[3] = DirectionText(d);
    SetValue(texts[4], wave.Loss(d), wave.Loss(d) != NoHundredths);
    SetValue(texts[5], wave.limit, wave.limit != NoHundredths);
    SetValue(texts[6], wave.HasMargin(d) ? wave.Margin(d) : 0, wave.HasMargin(d));
    texts[7] = VerdictText(wave.VerdictOf(d));
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
        FillVerdictRow(store, verdicts, row, texts);
        AppendCsvLine(out, texts);
    }
}

std::string VerdictsCsvBytes(const CDataStore& store, const LossTestVerdicts& verdicts)
{
    std::string out = VerdictsCsvHeader();
    AppendVerdictsCsvRows(out, store, verdicts);
    return out;
}
