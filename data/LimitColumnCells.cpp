#include "data/LimitColumnCells.h"

void AppendLimitCellText(std::string& out, const WaveVerdict& wave, LimitColumn column)
{
    if (column == LimitColumn::Result) {
        out += VerdictText(wave.Worst());
        return;
    }
    std::optional<int64_t> value;
    if (column == LimitColumn::Margin)
        value = wave.SmallerMargin();
    else if (wave.limit != NoHundredths)
        value = wave.limit;
    if (value)
        AppendHundredths(out, *value);
    else
        out += "N/A";
}
