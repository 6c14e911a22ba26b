#include "cli/JobListings.h"

#include "data/Json.h"
#include "platform/files/QuotedName.h"

namespace {
std::string CountsText(const JobCounts& c)
{
    return "planned " + std::to_string(c.planned) + ", tested " + std::to_string(c.tested) + ", pass " +
           std::to_string(c.pass) + ", warning " + std::to_string(c.warning) + ", fail " +
           std::to_string(c.fail) + ", incomplete " + std::to_string(c.incomplete) + ", missing " +
           std::to_string(c.missing) + ", unplanned " + std::to_string(c.unplanned) + ", retested " +
           std::to_string(c.retested) + ", conflicts " + std::to_string(c.conflicts) + ", files " +
           std::to_string(c.files);
}

std::string Padded(std::string text, size_t width)
{
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

void AppendMember(std::string& json, const char* key, const std::string& text)
{
    json += json.back() == '{' ? "\"" : ",\"";
    json += key;
    json += "\":";
    AppendJsonString(json, text);
}
} // namespace

std::string StatusText(const JobState& state)
{
    std::string text = std::string(state.Complete() ? "PASS" : "FAIL") + ": " + CountsText(state.Totals());
    for (const JobCable& cable : state.Cables())
        text += "\n" + QuotedName(state.Name(cable.name)) + ": " + CountsText(cable.counts);
    return text;
}

std::string HistoryText(const JobState& state, uint32_t fibre)
{
    const JobFibre& f = state.Fibres()[fibre];
    std::string text = QuotedName(state.Name(state.Cables()[f.cable].name)) + " " +
                       QuotedName(state.Name(f.fiber)) + ": " + FibreStateText(f.state) +
                       (f.planned ? "" : ", unplanned") + (f.retested ? ", retested" : "");
    for (auto [r, end] = state.RecordsOf(fibre); r != end; ++r) {
        const JobRecord& record = state.Records()[*r];
        text += "\n" + Padded(state.RecordReference(*r), 8) + Padded(std::string(record.Tested()), 21) +
                Padded(JobVerdictText(record.verdict), 12) + Padded(RecordRoleText(record.role), 13) +
                QuotedName(state.Files()[record.file].name);
        if (record.Renamed())
            text += ", imported as " + QuotedName(state.Name(record.importedCable)) + " " +
                    QuotedName(state.Name(record.importedFiber));
    }
    return text;
}

std::string HistoryJson(const JobState& state, uint32_t fibre)
{
    const JobFibre& f = state.Fibres()[fibre];
    std::string json = "{";
    AppendMember(json, "cable", state.Name(state.Cables()[f.cable].name));
    AppendMember(json, "fiber", state.Name(f.fiber));
    json += std::string(",\"planned\":") + (f.planned ? "true" : "false");
    AppendMember(json, "state", FibreStateText(f.state));
    json += std::string(",\"retested\":") + (f.retested ? "true" : "false") + ",\"records\":[";
    for (auto [r, end] = state.RecordsOf(fibre); r != end; ++r) {
        const JobRecord& record = state.Records()[*r];
        const StoredFile& file = state.Files()[record.file];
        json += json.back() == '[' ? "{" : ",{";
        AppendMember(json, "record", state.RecordReference(*r));
        AppendMember(json, "tested", std::string(record.Tested()));
        AppendMember(json, "verdict", JobVerdictText(record.verdict));
        AppendMember(json, "role", RecordRoleText(record.role));
        AppendMember(json, "file", file.name);
        AppendMember(json, "imported", file.importedAt);
        AppendMember(json, "importedCable", state.Name(record.importedCable));
        AppendMember(json, "importedFiber", state.Name(record.importedFiber));
        json += "}";
    }
    return json + "]}";
}
