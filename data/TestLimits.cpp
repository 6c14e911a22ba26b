#include "data/TestLimits.h"

#include <tuple>

namespace {
// Every preset allows the same loss per connection and per splice, and none
// has an attenuation at 1490 nm.
BudgetPreset Preset(const char* name, double attenuation)
{
    return BudgetPreset{name, {{1310, attenuation}, {1550, attenuation}}, 0.75, 0.3};
}

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
        Preset("tia-568.3-d-isp", 1.0),
        Preset("tia-568.3-d-osp", 0.5),
        Preset("iso-11801-os1a", 1.0),
        Preset("iso-11801-os2", 0.4),
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
