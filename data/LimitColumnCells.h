#pragma once

#include "data/Verdicts.h"

#include <string>

// The two columns that the loss-test table, its copy and its CSV add after
// their own when the user shows them: the wavelength's limit, and its margin,
// the smaller of the two directions' (the one that decides its verdict).
enum class LimitColumn
{
    Limit,
    Margin,
};
constexpr LimitColumn LimitColumnOrder[] = {LimitColumn::Limit, LimitColumn::Margin};

// "%.2f" in dB, or "N/A" where the wavelength has no limit or no margin, as
// the table shows a loss it has not.
void AppendLimitCellText(std::string& out, const WaveVerdict& wave, LimitColumn column);
