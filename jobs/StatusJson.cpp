#include "jobs/StatusJson.h"

#include "data/Json.h"

namespace {
void AppendCounts(std::string& json, const JobCounts& c)
{
    const std::pair<const char*, size_t> counts[] = {
        {"planned", c.planned},     {"tested", c.tested},       {"pass", c.pass},
        {"warning", c.warning},     {"fail", c.fail},           {"incomplete", c.incomplete},
        {"missing", c.missing},     {"unplanned", c.unplanned}, {"retested", c.retested},
        {"conflicts", c.conflicts}, {"files", c.files}};
    for (const auto& [key, count] : counts) {
        json += json.back() == '{' ? "\"" : ",\"";
        json += key;
        json += "\":";
        json += std::to_string(count);
    }
}
} // namespace

std::string StatusJson(const JobState& state)
{
    std::string json = "{";
    AppendCounts(json, state.Totals());
    json += ",\"cables\":[";
    for (const JobCable& cable : state.Cables()) {
        json += json.back() == '[' ? "{\"cable\":" : ",{\"cable\":";
        AppendJsonString(json, state.Name(cable.name));
        AppendCounts(json, cable.counts);
        json += "}";
    }
    return json + "]}";
}
