#include "data/TestLimits.h"

#include <tuple>

namespace {
// Every preset allows the same loss per connection and per splice. A
// single-mode standard certifies 1310 and 1550 nm, none 1490 nm.
BudgetPreset SingleMode(const char* name, const char* title, const char* attenuation)
{
    return BudgetPreset{name,
                        title,
                        {{1310, Figure(attenuation)}, {1550, Figure(attenuation)}},
                        Figure("0.75"),
                        Figure("0.3")};
}

// A length beyond a million kilometres is a damaged record; below it every
// product of a budget fits 64 bits.
constexpr int64_t LongestMetres = 1000000000;
constexpr int64_t NanoPerMillionth = 1000; // a figure x metres is in 10^-9
constexpr int64_t NanoPerHundredth = 10000000;

const std::pair<LimitMethod, const char*> MethodNames[] = {
    {LimitMethod::Instrument, "instrument"},
    {LimitMethod::Fixed, "fixed"},
    {LimitMethod::Budget, "budget"},
};

// The figures of `over` replace those of `base` at the same wavelength.
void Overlay(WaveLengthFigures& base, const WaveLengthFigures& over)
{
    for (const auto& [waveLength, figure] : over)
        base[waveLength] = figure;
}
} // namespace

bool CableLimits::operator==(const CableLimits& other) const
{
    return std::tie(connections, splices, fixed, attenuation) ==
           std::tie(other.connections, other.splices, other.fixed, other.attenuation);
}

bool TestLimits::operator==(const TestLimits& o) const
{
    return std::tie(method, preset, fixed, attenuation, connectorLoss, spliceLoss, connections, splices,
                    warningBand, cables) == std::tie(o.method, o.preset, o.fixed, o.attenuation,
                                                     o.connectorLoss, o.spliceLoss, o.connections, o.splices,
                                                     o.warningBand, o.cables);
}

const std::vector<BudgetPreset>& BudgetPresets()
{
    static const std::vector<BudgetPreset> presets = {
        SingleMode("tia-568.3-d-isp", "TIA-568.3-D single-mode, inside plant", "1.0"),
        SingleMode("tia-568.3-d-osp", "TIA-568.3-D single-mode, outside plant", "0.5"),
        SingleMode("iso-11801-os1a", "ISO/IEC 11801 OS1a single-mode", "1.0"),
        SingleMode("iso-11801-os2", "ISO/IEC 11801 OS2 single-mode", "0.4"),
        BudgetPreset{"tia-568.3-d-mm",
                     "TIA-568.3-D multimode",
                     {{850, Figure("3.5")}, {1300, Figure("1.5")}},
                     Figure("0.75"),
                     Figure("0.3")},
    };
    return presets;
}

const BudgetPreset* FindBudgetPreset(std::string_view name)
{
    for (const BudgetPreset& preset : BudgetPresets())
        if (name == preset.name)
            return &preset;
    return nullptr;
}

const char* MethodName(LimitMethod method)
{
    for (const auto& [each, name] : MethodNames)
        if (each == method)
            return name;
    return "";
}

std::optional<LimitMethod> MethodNamed(std::string_view name)
{
    for (const auto& [method, each] : MethodNames)
        if (name == each)
            return method;
    return std::nullopt;
}

std::string LimitName(const TestLimits& limits)
{
    if (limits.method == LimitMethod::Budget && !limits.preset.empty())
        return limits.preset;
    return MethodName(limits.method);
}

const char* StandardTitle(const TestLimits& limits)
{
    const BudgetPreset* preset =
        limits.method == LimitMethod::Budget ? FindBudgetPreset(limits.preset) : nullptr;
    return preset ? preset->title : nullptr;
}

CableFigures FiguresFor(const TestLimits& limits, std::string_view cable)
{
    CableFigures figures;
    if (const BudgetPreset* preset = FindBudgetPreset(limits.preset)) {
        figures.attenuation = preset->attenuation;
        figures.connectorLoss = preset->connectorLoss;
        figures.spliceLoss = preset->spliceLoss;
    }
    Overlay(figures.attenuation, limits.attenuation);
    figures.fixed = limits.fixed;
    figures.connectorLoss = limits.connectorLoss.value_or(figures.connectorLoss);
    figures.spliceLoss = limits.spliceLoss.value_or(figures.spliceLoss);
    figures.connections = limits.connections;
    figures.splices = limits.splices;
    const auto own = limits.cables.find(cable);
    if (own == limits.cables.end())
        return figures;
    Overlay(figures.attenuation, own->second.attenuation);
    Overlay(figures.fixed, own->second.fixed);
    figures.connections = own->second.connections.value_or(figures.connections);
    figures.splices = own->second.splices.value_or(figures.splices);
    return figures;
}

bool Certifies(LimitMethod method, const CableFigures& figures, int32_t waveLength)
{
    switch (method) {
    case LimitMethod::Fixed:
        return figures.fixed.count(waveLength) != 0;
    case LimitMethod::Budget:
        return figures.attenuation.count(waveLength) != 0;
    case LimitMethod::Instrument:
        break;
    }
    return true;
}

std::vector<int32_t> NotCertifiedOf(const TestLimits& limits, const std::vector<std::string>& cables,
                                    const std::vector<int32_t>& waveLengths)
{
    std::vector<int32_t> left;
    for (const int32_t waveLength : waveLengths)
        for (const std::string& cable : cables)
            if (!Certifies(limits.method, FiguresFor(limits, cable), waveLength)) {
                left.push_back(waveLength);
                break;
            }
    return left;
}

std::optional<int64_t> BudgetHundredths(const CableFigures& figures, int32_t waveLength, int64_t metres)
{
    const auto attenuation = figures.attenuation.find(waveLength);
    if (attenuation == figures.attenuation.end() || metres < 0 || metres > LongestMetres)
        return std::nullopt;
    const int64_t joints = figures.connections * figures.connectorLoss.millionths +
                           figures.splices * figures.spliceLoss.millionths;
    const int64_t nano = attenuation->second.millionths * metres + joints * NanoPerMillionth;
    return RoundedQuotient(nano, NanoPerHundredth);
}

std::optional<int64_t> FixedHundredths(const CableFigures& figures, int32_t waveLength)
{
    const auto fixed = figures.fixed.find(waveLength);
    if (fixed == figures.fixed.end())
        return std::nullopt;
    return FigureHundredths(fixed->second);
}
