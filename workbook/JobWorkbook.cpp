#include "workbook/JobWorkbook.h"

#include "data/Verdicts.h"
#include "jobs/Sha256.h"
#include "workbook/RecordSheets.h"

#include <memory>

SheetTable JoinedSheet(const std::string& name, std::vector<SheetTable> parts)
{
    SheetTable sheet;
    sheet.name = name;
    sheet.columns = parts.front().columns;
    std::vector<size_t> ends;
    ends.reserve(parts.size());
    for (const SheetTable& part : parts)
        ends.push_back((ends.empty() ? 0 : ends.back()) + part.rowCount);
    sheet.rowCount = ends.back();
    const auto shared = std::make_shared<const std::vector<SheetTable>>(std::move(parts));
    // The part that holds `row`, and the row in it.
    const auto partOf = [ends](size_t& row) {
        size_t part = 0;
        while (row >= ends[part])
            ++part;
        row -= part == 0 ? 0 : ends[part - 1];
        return part;
    };
    sheet.fillRow = [shared, partOf](size_t row, std::vector<SheetCell>& cells) {
        const size_t part = partOf(row);
        return (*shared)[part].fillRow(row, cells);
    };
    return sheet;
}

namespace {
SheetTable TextSheet(const std::string& name, const std::vector<std::pair<const char*, CellKind>>& columns,
                     size_t rows, std::function<std::vector<SheetCell>(size_t)> texts)
{
    SheetTable sheet;
    sheet.name = name;
    for (const auto& [title, kind] : columns)
        sheet.columns.push_back({title, "", kind});
    sheet.rowCount = rows;
    sheet.fillRow = [texts = std::move(texts)](size_t row, std::vector<SheetCell>& cells) {
        cells = texts(row);
        return false;
    };
    return sheet;
}

const char* YesOrNo(bool yes)
{
    return yes ? "Yes" : "No";
}
} // namespace

WorkbookOutcome JobWorkbookBytes(const JobState& state, const JobResults& results, const TestLimits& limits,
                                 const std::string& jobName, const RowProgress& progress)
{
    // The sheets read the verdicts while they are written.
    const CDataStore none;
    std::vector<std::unique_ptr<LossTestVerdicts>> verdicts;
    std::vector<SheetTable> losses, certified;
    for (const ResultRun& run : results.runs) {
        verdicts.push_back(std::make_unique<LossTestVerdicts>(CertifyLossTests(run.store, limits)));
        losses.push_back(LossTestSheet(run.store, *verdicts.back(), limits));
        certified.push_back(VerdictsSheet(run.store, *verdicts.back()));
    }
    const LossTestVerdicts noVerdicts;
    if (results.runs.empty()) {
        losses.push_back(LossTestSheet(none, noVerdicts, limits));
        certified.push_back(VerdictsSheet(none, noVerdicts));
    }
    const auto name = [&state](uint32_t index) { return state.Name(index); };

    std::vector<uint32_t> history;
    for (uint32_t f = 0; f < state.Fibres().size(); ++f)
        for (auto [r, end] = state.RecordsOf(f); r != end; ++r)
            if (state.Records()[*r].role != RecordRole::Current &&
                state.Records()[*r].role != RecordRole::Conflicting)
                history.push_back(*r);

    const std::vector<SheetTable> sheets = {
        JoinedSheet("Results", std::move(losses)),
        JoinedSheet("Verdicts", std::move(certified)),
        TextSheet("Completeness",
                  {{"Cable", CellKind::Text},
                   {"Fiber", CellKind::Text},
                   {"Planned", CellKind::Text},
                   {"State", CellKind::Text},
                   {"Retested", CellKind::Text},
                   {"Record", CellKind::Text},
                   {"Tested", CellKind::Text}},
                  state.Fibres().size(),
                  [&state, &name](size_t row) {
                      const JobFibre& fibre = state.Fibres()[row];
                      const std::optional<uint32_t> current = state.CurrentRecord(static_cast<uint32_t>(row));
                      return std::vector<SheetCell>{
                          TextCell(name(state.Cables()[fibre.cable].name)),
                          TextCell(name(fibre.fiber)),
                          TextCell(YesOrNo(fibre.planned)),
                          TextCell(FibreStateText(fibre.state)),
                          TextCell(YesOrNo(fibre.retested)),
                          TextCell(current ? state.RecordReference(*current) : ""),
                          TextCell(current ? std::string(state.Records()[*current].Tested()) : "")};
                  }),
        TextSheet("History",
                  {{"Cable", CellKind::Text},
                   {"Fiber", CellKind::Text},
                   {"Record", CellKind::Text},
                   {"Tested", CellKind::Text},
                   {"Verdict", CellKind::Text},
                   {"Why", CellKind::Text},
                   {"File", CellKind::Text},
                   {"Cable as imported", CellKind::Text},
                   {"Fiber as imported", CellKind::Text}},
                  history.size(),
                  [&state, &name, &history](size_t row) {
                      const JobRecord& record = state.Records()[history[row]];
                      return std::vector<SheetCell>{TextCell(name(record.cable)),
                                                    TextCell(name(record.fiber)),
                                                    TextCell(state.RecordReference(history[row])),
                                                    TextCell(std::string(record.Tested())),
                                                    TextCell(JobVerdictText(record.verdict)),
                                                    TextCell(RecordRoleText(record.role)),
                                                    TextCell(state.Files()[record.file].name),
                                                    TextCell(name(record.importedCable)),
                                                    TextCell(name(record.importedFiber))};
                  }),
        TextSheet("Files",
                  {{"File", CellKind::Text},
                   {"SHA-256", CellKind::Text},
                   {"Kind", CellKind::Text},
                   {"Records", CellKind::Number},
                   {"Declared", CellKind::Number},
                   {"Bytes", CellKind::Number},
                   {"Imported", CellKind::Text}},
                  state.Files().size(),
                  [&state](size_t row) {
                      const StoredFile& file = state.Files()[row];
                      return std::vector<SheetCell>{
                          TextCell(file.name),
                          TextCell(HexText(reinterpret_cast<const uint8_t*>(file.sha256.data()),
                                           file.sha256.size())),
                          TextCell(file.kind),
                          WholeNumberCell(file.records),
                          WholeNumberCell(file.declared),
                          WholeNumberCell(file.size),
                          TextCell(file.importedAt)};
                  }),
    };
    return WorkbookOfSheets("Job", jobName, sheets, progress);
}
