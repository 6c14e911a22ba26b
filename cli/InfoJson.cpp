#include "cli/InfoJson.h"

#include "data/CertificationSummary.h"
#include "data/Json.h"
#include "data/LossTestRules.h"
#include "data/NameDecoding.h"

std::string JsonString(const std::string& text)
{
    std::string out;
    AppendJsonString(out, NameUtf8(text));
    return out;
}

namespace {
std::string SummaryJson(const CDataStore& store, const TestLimits& limits, const LossTestVerdicts& verdicts)
{
    const CertificationSummary summary = Summarize(verdicts);
    const VerdictCounts& fibres = summary.fibres;
    std::string json =
        "{\"limit\":" + JsonString(LimitName(limits)) + ",\"fibres\":" + std::to_string(fibres.Total()) +
        ",\"pass\":" + std::to_string(fibres.pass) + ",\"warning\":" + std::to_string(fibres.warning) +
        ",\"incomplete\":" + std::to_string(fibres.incomplete) + ",\"fail\":" + std::to_string(fibres.fail) +
        ",\"noVerdict\":" + std::to_string(fibres.noVerdict) + ",\"notCertified\":[";
    const char* separator = "";
    for (const int32_t waveLength : verdicts.NotCertified()) {
        json += separator + std::to_string(waveLength);
        separator = ",";
    }
    json += "],\"unmatchedCables\":[";
    separator = "";
    for (const std::string& cable : verdicts.UnmatchedCables()) {
        json += separator;
        AppendJsonString(json, cable); // already as shown
        separator = ",";
    }
    json += "],\"worstMargin\":";
    if (!summary.worst)
        return json + "null,\"worst\":null}";
    const VerdictPlace& worst = *summary.worst;
    const KavRecordView record = KavRecordAt(store, worst.record);
    AppendHundredths(json, summary.worstMargin);
    return json + ",\"worst\":{\"cable\":" + JsonString(std::string(CableOf(record))) +
           ",\"fiber\":" + JsonString(std::string(FiberOf(record))) +
           ",\"wavelength\":" + std::to_string(record.waveLength[worst.wave]) +
           ",\"direction\":" + JsonString(DirectionText(worst.direction)) + "}}";
}
} // namespace

std::string InfoJson(const LoadedFile& f, const TestLimits& limits, const LossTestVerdicts& verdicts)
{
    std::string json =
        "{\"kind\":" + JsonString(f.KindName()) + ",\"records\":" + std::to_string(f.RecordCount());
    const LoadOutcome& o = f.outcome;
    if (o.records.Incomplete())
        json += ",\"declaredRecords\":" + std::to_string(o.records.declared);
    const RecordKind kind = RecordKindOf(o.kind);
    if (kind == RecordKind::Kav) {
        json += ",\"waveCount\":" + std::to_string(o.waveCount);
        json += ",\"wavelengths\":[" + std::to_string(o.waveLengths[0]) + "," +
                std::to_string(o.waveLengths[1]) + "," + std::to_string(o.waveLengths[2]) + "]";
        json += ",\"groups\":[";
        const CableGroups& groups = f.store.GetCableGroups();
        const auto records = static_cast<int32_t>(f.RecordCount());
        for (int32_t g = 0; g < groups.CableGroupCount; ++g) {
            if (g != 0)
                json += ",";
            json += "{\"cable\":" + JsonString(groups.CableGroupNames[static_cast<size_t>(g)]) +
                    ",\"start\":" + std::to_string(groups.Begin(g)) +
                    ",\"records\":" + std::to_string(groups.End(g, records) - groups.Begin(g)) + "}";
        }
        json += "],\"summary\":" + SummaryJson(f.store, limits, verdicts);
    } else if (kind == RecordKind::Trace) {
        const TraceFileContents& t = o.trace;
        json += ",\"wavelength\":" + JsonString(t.waveLength) + ",\"reference\":" + JsonString(t.reference) +
                ",\"min\":" + JsonString(t.minimum) + ",\"max\":" + JsonString(t.maximum) +
                ",\"average\":" + JsonString(t.average) + ",\"start\":" + JsonString(t.start) +
                ",\"end\":" + JsonString(t.end);
    }
    return json + "}";
}
