#include "cli/InfoJson.h"

#include <cstdio>

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte >= 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string InfoJson(const LoadedFile& f)
{
    std::string json =
        "{\"kind\":" + JsonString(f.KindName()) + ",\"records\":" + std::to_string(f.RecordCount());
    const LoadOutcome& o = f.outcome;
    if (o.records.CutShort())
        json += ",\"declaredRecords\":" + std::to_string(o.records.declared);
    const RecordKind kind = RecordKindOf(o.kind);
    if (kind == RecordKind::Kav) {
        json += ",\"waveCount\":" + std::to_string(o.waveCount);
        json += ",\"wavelengths\":[" + std::to_string(o.waveLengths[0]) + "," +
                std::to_string(o.waveLengths[1]) + "," + std::to_string(o.waveLengths[2]) + "]";
        json += ",\"groups\":[";
        const CableGroups& groups = f.store.m_CableGroups;
        const auto records = static_cast<int32_t>(f.RecordCount());
        for (int32_t g = 0; g < groups.CableGroupCount; ++g) {
            if (g != 0)
                json += ",";
            json += "{\"cable\":" + JsonString(groups.CableGroupNames[static_cast<size_t>(g)]) +
                    ",\"start\":" + std::to_string(groups.Begin(g)) +
                    ",\"records\":" + std::to_string(groups.End(g, records) - groups.Begin(g)) + "}";
        }
        json += "]";
    } else if (kind == RecordKind::Trace) {
        const TraceFileContents& t = o.trace;
        json += ",\"wavelength\":" + JsonString(t.waveLength) + ",\"reference\":" + JsonString(t.reference) +
                ",\"min\":" + JsonString(t.minimum) + ",\"max\":" + JsonString(t.maximum) +
                ",\"average\":" + JsonString(t.average) + ",\"start\":" + JsonString(t.start) +
                ",\"end\":" + JsonString(t.end);
    }
    return json + "}";
}
