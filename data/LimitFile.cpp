#include "data/LimitFile.h"

#include "data/Json.h"
#include "data/SmallFile.h"
#include "platform/files/QuotedName.h"
#include "platform/files/SafeFileWriter.h"

#include <cmath>

const char* const LimitFileEnding = ".kavlimits";

namespace {
// Far more than any limit file needs; a larger file is not one.
constexpr size_t LargestLimitFile = 1 << 20;

namespace Key {
const char* const Method = "method";
const char* const Preset = "preset";
const char* const Fixed = "fixed";
const char* const Attenuation = "attenuation";
const char* const ConnectorLoss = "connectorLoss";
const char* const SpliceLoss = "spliceLoss";
const char* const Connections = "connections";
const char* const Splices = "splices";
const char* const WarningBand = "warningBand";
const char* const Cables = "cables";
} // namespace Key

// A wavelength key: a whole number of nm without sign or leading zero, so
// that every wavelength has exactly one spelling.
std::optional<int32_t> WaveLengthOfKey(const std::string& key)
{
    if (key.empty() || key.size() > 10 || key[0] == '0')
        return std::nullopt;
    int64_t value = 0;
    for (const char c : key) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

std::string OneOf(const std::vector<std::string>& names)
{
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : ", ") + name;
    return "one of " + list + " was expected";
}

// Reads the members of a limit file's object, stopping at the first fault
// with a message that names its key (nested keys joined by ".").
class LimitReader
{
public:
    bool Read(const JsonValue& root, TestLimits& limits)
    {
        if (root.type != JsonValue::Type::Object) {
            m_Error = "the file holds no JSON object";
            return false;
        }
        for (const JsonMember& m : root.members)
            if (!Member(m.key, m.value, limits))
                return false;
        return true;
    }

    const std::string& Error() const { return m_Error; }

private:
    bool Refuse(const std::string& key, const std::string& what)
    {
        m_Error = "key " + QuotedName(key) + ": " + what;
        return false;
    }

    bool Member(const std::string& key, const JsonValue& v, TestLimits& limits)
    {
        if (key == Key::Method)
            return Method(key, v, limits.method);
        if (key == Key::Preset)
            return Preset(key, v, limits.preset);
        if (key == Key::Fixed)
            return Figures(key, v, limits.fixed);
        if (key == Key::Attenuation)
            return Figures(key, v, limits.attenuation);
        if (key == Key::ConnectorLoss)
            return Figure(key, v, limits.connectorLoss.emplace());
        if (key == Key::SpliceLoss)
            return Figure(key, v, limits.spliceLoss.emplace());
        if (key == Key::Connections)
            return Count(key, v, limits.connections);
        if (key == Key::Splices)
            return Count(key, v, limits.splices);
        if (key == Key::WarningBand)
            return Figure(key, v, limits.warningBand);
        if (key == Key::Cables)
            return Cables(key, v, limits.cables);
        return Refuse(key, "not a key of a limit file");
    }

    bool Method(const std::string& key, const JsonValue& v, LimitMethod& out)
    {
        const std::optional<LimitMethod> method =
            v.type == JsonValue::Type::String ? MethodNamed(v.text) : std::nullopt;
        if (!method) {
            std::vector<std::string> names;
            for (const LimitMethod each : {LimitMethod::Instrument, LimitMethod::Fixed, LimitMethod::Budget})
                names.emplace_back(MethodName(each));
            return Refuse(key, OneOf(names));
        }
        out = *method;
        return true;
    }

    bool Preset(const std::string& key, const JsonValue& v, std::string& out)
    {
        if (v.type != JsonValue::Type::String || FindBudgetPreset(v.text) == nullptr) {
            std::vector<std::string> names;
            for (const BudgetPreset& preset : BudgetPresets())
                names.emplace_back(preset.name);
            return Refuse(key, OneOf(names));
        }
        out = v.text;
        return true;
    }

    // Read from the number's own text, exactly, and kept as typed.
    bool Figure(const std::string& key, const JsonValue& v, LimitFigure& out)
    {
        const std::optional<LimitFigure> figure =
            v.type == JsonValue::Type::Number ? ReadLimitFigure(v.text) : std::nullopt;
        if (!figure)
            return Refuse(key, "a number from 0 to " + std::to_string(LargestFigureUnits) +
                                   " with at most six decimals was expected");
        out = *figure;
        return true;
    }

    bool Count(const std::string& key, const JsonValue& v, int& out)
    {
        if (v.type != JsonValue::Type::Number || !(v.number >= 0 && v.number <= LargestCount) ||
            v.number != std::floor(v.number))
            return Refuse(key, "a whole number from 0 to " + std::to_string(LargestCount) + " was expected");
        out = static_cast<int>(v.number);
        return true;
    }

    bool Figures(const std::string& key, const JsonValue& v, WaveLengthFigures& out)
    {
        if (v.type != JsonValue::Type::Object)
            return Refuse(key, "an object of wavelengths was expected, such as {\"1310\": 0.5}");
        for (const JsonMember& m : v.members) {
            const std::string inner = key + "." + m.key;
            const std::optional<int32_t> waveLength = WaveLengthOfKey(m.key);
            if (!waveLength)
                return Refuse(inner, "a wavelength in nm was expected, such as \"1310\"");
            if (!Figure(inner, m.value, out[*waveLength]))
                return false;
        }
        return true;
    }

    bool Cables(const std::string& key, const JsonValue& v,
                std::map<std::string, CableLimits, std::less<>>& out)
    {
        if (v.type != JsonValue::Type::Object)
            return Refuse(key, "an object of cable names was expected");
        // Keyed by the name as it is shown, in any script.
        for (const JsonMember& m : v.members)
            if (!Cable(key + "." + m.key, m.value, out[m.key]))
                return false;
        return true;
    }

    bool Cable(const std::string& key, const JsonValue& v, CableLimits& out)
    {
        if (v.type != JsonValue::Type::Object)
            return Refuse(key, "an object was expected");
        for (const JsonMember& m : v.members) {
            const std::string inner = key + "." + m.key;
            bool read;
            if (m.key == Key::Connections)
                read = Count(inner, m.value, out.connections.emplace());
            else if (m.key == Key::Splices)
                read = Count(inner, m.value, out.splices.emplace());
            else if (m.key == Key::Fixed)
                read = Figures(inner, m.value, out.fixed);
            else if (m.key == Key::Attenuation)
                read = Figures(inner, m.value, out.attenuation);
            else
                read = Refuse(inner, "not a key of a cable's limits");
            if (!read)
                return false;
        }
        return true;
    }

    std::string m_Error;
};

JsonValue FiguresJson(const WaveLengthFigures& figures)
{
    JsonValue object = JsonValue::Object();
    for (const auto& [waveLength, figure] : figures)
        object.Add(std::to_string(waveLength), JsonValue::NumberLiteral(figure.typed));
    return object;
}
} // namespace

LimitFileResult ParseLimitFile(std::string_view text)
{
    LimitFileResult result;
    const JsonParseResult json = ParseJson(text);
    if (!json.value) {
        result.error = "not JSON: " + json.error;
        return result;
    }
    TestLimits limits;
    LimitReader reader;
    if (reader.Read(*json.value, limits))
        result.limits = std::move(limits);
    else
        result.error = reader.Error();
    return result;
}

LimitFileResult ReadLimitFile(const std::string& path)
{
    const SmallFileText file = ReadSmallFile(path, LargestLimitFile, "limit file");
    if (file.text)
        return ParseLimitFile(*file.text);
    LimitFileResult result;
    result.error = file.error;
    return result;
}

std::string LimitFileBytes(const TestLimits& limits)
{
    JsonValue root = JsonValue::Object();
    root.Add(Key::Method, JsonValue::String(MethodName(limits.method)));
    if (!limits.preset.empty())
        root.Add(Key::Preset, JsonValue::String(limits.preset));
    if (!limits.fixed.empty())
        root.Add(Key::Fixed, FiguresJson(limits.fixed));
    if (!limits.attenuation.empty())
        root.Add(Key::Attenuation, FiguresJson(limits.attenuation));
    if (limits.connectorLoss)
        root.Add(Key::ConnectorLoss, JsonValue::NumberLiteral(limits.connectorLoss->typed));
    if (limits.spliceLoss)
        root.Add(Key::SpliceLoss, JsonValue::NumberLiteral(limits.spliceLoss->typed));
    root.Add(Key::Connections, JsonValue::Number(limits.connections));
    root.Add(Key::Splices, JsonValue::Number(limits.splices));
    root.Add(Key::WarningBand, JsonValue::NumberLiteral(limits.warningBand.typed));
    if (!limits.cables.empty()) {
        JsonValue& cables = root.Add(Key::Cables, JsonValue::Object());
        for (const auto& [name, cable] : limits.cables) {
            JsonValue& own = cables.Add(name, JsonValue::Object());
            if (cable.connections)
                own.Add(Key::Connections, JsonValue::Number(*cable.connections));
            if (cable.splices)
                own.Add(Key::Splices, JsonValue::Number(*cable.splices));
            if (!cable.fixed.empty())
                own.Add(Key::Fixed, FiguresJson(cable.fixed));
            if (!cable.attenuation.empty())
                own.Add(Key::Attenuation, FiguresJson(cable.attenuation));
        }
    }
    return JsonDocument(root);
}

WriteResult SaveLimitFile(const std::string& path, const TestLimits& limits)
{
    return WriteFileSafely(path, LimitFileBytes(limits));
}
