#include "data/LimitColumnCells.h"

void AppendLimitCellText(std::string& out, const WaveVerdict& wave, LimitColumn column)
{
    if (column == LimitColumn::Result)
        out += VerdictText(wave.Worst());
    else if (const std::optional<int64_t> value = LimitCellHundredths(wave, column))
        AppendHundredths(out, *value);
    else
        out += "N/A";
}

std::optional<int64_t> LimitCellHundredths(const WaveVerdict& wave, LimitColumn column)
{
    if (column == LimitColumn::Margin)
        return wave.SmallerMargin();
    if (column == LimitColumn::Limit && wave.limit != NoHundredths)
        return wave.limit;
    return std::nullopt;
}
