#include "jobs/CsvRows.h"
#include "jobs/JobPlan.h"
#include "jobs/RecordKeys.h"
#include "jobs/XlsxRows.h"
#include "platform/files/FileBytes.h"
#include "platform/files/QuotedName.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {
// A plan's table is a few megabytes at most.
constexpr size_t LargestCsv = 64u << 20;

bool EndsWith(const std::string& text, const std::string& ending)
{
    if (text.size() < ending.size())
        return false;
    return std::equal(
        ending.begin(), ending.end(), text.end() - static_cast<std::ptrdiff_t>(ending.size()),
        [](char lower, char c) { return std::tolower(static_cast<unsigned char>(c)) == lower; });
}

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool Empty(const std::vector<std::string>& row)
{
    return std::all_of(
        row.begin(), row.end(), [](const std::string& cell) { return Trimmed(cell).empty(); });
}

PlanReading Refused(const std::string& error)
{
    PlanReading reading;
    reading.error = error;
    return reading;
}
} // namespace

PlanReading PlanFromRows(const std::vector<std::vector<std::string>>& rows, const std::string& source)
{
    size_t header = 0;
    while (header < rows.size() && Empty(rows[header]))
        ++header;
    if (header == rows.size())
        return Refused("it holds no table");
    std::optional<size_t> cableColumn, fiberColumn;
    for (size_t c = 0; c < rows[header].size(); ++c) {
        const std::string title = Lower(Trimmed(rows[header][c]));
        if (title == "cable" && !cableColumn)
            cableColumn = c;
        if ((title == "fiber" || title == "fibre") && !fiberColumn)
            fiberColumn = c;
    }
    if (!cableColumn || !fiberColumn)
        return Refused("row " + std::to_string(header + 1) + " names no Cable and Fiber columns");
    JobPlan plan{{}, source};
    for (size_t r = header + 1; r < rows.size(); ++r) {
        const std::vector<std::string>& row = rows[r];
        if (Empty(row))
            continue;
        const auto cell = [&row](size_t c) {
            return c < row.size() ? JobNameOf(Trimmed(row[c])) : std::string();
        };
        PlanFibre fibre{cell(*cableColumn), cell(*fiberColumn)};
        if (fibre.cable.empty() || fibre.fiber.empty())
            return Refused("row " + std::to_string(r + 1) + " lacks its " +
                           (fibre.cable.empty() ? "cable" : "fiber"));
        plan.fibres.push_back(std::move(fibre));
    }
    PlanReading reading;
    reading.plan = std::move(plan);
    return reading;
}

PlanReading ReadPlan(const std::string& plan)
{
    if (!EndsWith(plan, ".csv") && !EndsWith(plan, ".xlsx"))
        return PlanFromTemplate(plan);
    const std::string source = QuotedName(std::filesystem::u8path(plan).filename().u8string());
    if (EndsWith(plan, ".xlsx")) {
        const XlsxReading read = ReadXlsxRows(plan);
        return read.ok ? PlanFromRows(read.rows, source) : Refused(read.error);
    }
    const FileBytes bytes = ReadFileBytes(plan, LargestCsv + 1);
    if (!bytes.ok())
        return Refused("cannot be read: " + bytes.reason);
    if (bytes.overLimit)
        return Refused("is larger than a plan's table");
    return PlanFromRows(
        CsvRows(std::string_view(reinterpret_cast<const char*>(bytes.bytes.data()), bytes.bytes.size())),
        source);
}
