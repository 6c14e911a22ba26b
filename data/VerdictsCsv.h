#pragma once

#include "data/CDataStore.h"
#include "data/CellKind.h"
#include "data/Verdicts.h"

#include <array>
#include <cstddef>
#include <string>

// The verdicts as a table: one row per record, wavelength and direction
// (A->B before B->A) in record order, with Loss, Limit and Margin in two
// decimals or empty where there is no value. The CSV export writes it with
// the header "Cable,Fiber,Wavelength(nm),Direction,Loss(dB),Limit(dB),
// Margin(dB),Verdict" (each column's name and unit), and the quoting and
// line ends of the table's CSV.

struct VerdictColumn
{
    const char* name;
    const char* unit; // null when it has none
    CellKind cell;
};

constexpr size_t VerdictColumnCount = 8;

inline constexpr std::array<VerdictColumn, VerdictColumnCount> VerdictColumns{{
    {"Cable", nullptr, CellKind::Text},
    {"Fiber", nullptr, CellKind::Text},
    {"Wavelength", "(nm)", CellKind::Number},
    {"Direction", nullptr, CellKind::Text},
    {"Loss", "(dB)", CellKind::Number},
    {"Limit", "(dB)", CellKind::Number},
    {"Margin", "(dB)", CellKind::Number},
    {"Verdict", nullptr, CellKind::Text},
}};

using VerdictRowTexts = std::array<std::string, VerdictColumnCount>;

size_t VerdictRowCount(const LossTestVerdicts& verdicts);
// The texts of row `row` (0 .. VerdictRowCount - 1), in the columns' order.
void FillVerdictRow(const CDataStore& store, const LossTestVerdicts& verdicts, size_t row,
                    VerdictRowTexts& texts);

std::string VerdictsCsvBytes(const CDataStore& store, const LossTestVerdicts& verdicts);
// The same in parts, for verdicts of several stores in one file: the header
// line, and the rows of one store.
std::string VerdictsCsvHeader();
void AppendVerdictsCsvRows(std::string& out, const CDataStore& store, const LossTestVerdicts& verdicts);
