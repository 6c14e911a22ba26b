#include "data/VerdictColumns.h"

void AppendVerdictCellText(std::string& out, const WaveVerdict& wave, VerdictColumn column)
{
    std::optional<int64_t> value;
    if (column == VerdictColumn::Margin)
        value = wave.SmallerMargin();
    else if (wave.limit != NoHundredths)
        value = wave.limit;
    if (value)
        AppendHundredths(out, *value);
    else
        out += "N/A";
}
