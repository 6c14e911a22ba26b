#pragma once

#include "data/Verdicts.h"

#include <string>

// The three columns that the loss-test table, its copy and its CSV add after
// their own when the user shows them: the wavelength's limit, its margin,
// the smaller of the two directions' (the one that decides its verdict), and
// its result, the worse of the two directions'.
enum class LimitColumn
{
    Limit,
    Margin,
    Result,
};
constexpr LimitColumn LimitColumnOrder[] = {LimitColumn::Limit, LimitColumn::Margin, LimitColumn::Result};

// "%.2f" in dB, or "N/A" where the wavelength has no limit or no margin, as
// the table shows a loss it has not; the result as VerdictText words it.
void AppendLimitCellText(std::string& out, const WaveVerdict& wave, LimitColumn column);
