#pragma once

#include "data/CDataStore.h"
#include "data/CellKind.h"
#include "data/Verdicts.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

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

// What a row shows, column by column: the record's names as it holds them,
// and the values in hundredths of a dB, none where the row has none.
struct VerdictRow
{
    std::string_view cable, fiber;
    int32_t waveLength;
    Direction direction;
    std::optional<int64_t> loss, limit, margin;
    Verdict verdict;
};

size_t VerdictRowCount(const LossTestVerdicts& verdicts);
// Row `row`, 0 .. VerdictRowCount - 1.
VerdictRow VerdictRowAt(const CDataStore& store, const LossTestVerdicts& verdicts, size_t row);

std::string VerdictsCsvBytes(const CDataStore& store, const LossTestVerdicts& verdicts);
// The same in parts, for verdicts of several stores in one file: the header
// line, and the rows of one store.
std::string VerdictsCsvHeader();
void AppendVerdictsCsvRows(std::string& out, const CDataStore& store, const LossTestVerdicts& verdicts);
