#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The limit a contractor certifies loss tests against: the instrument's own
// threshold, a fixed figure per wavelength, or a loss budget from a cabling
// standard (fibre attenuation over the measured length plus connections and
// splices), with a warning band below the limit.

enum class LimitMethod
{
    Instrument, // each record's own Threshold
    Fixed,      // one limit in dB per wavelength
    Budget,     // attenuation x length + connections x connector loss + splices x splice loss
};

// Figures per wavelength in nm: dB for fixed limits, dB/km for attenuation.
using WaveLengthFigures = std::map<int32_t, double>;

// What one cable changes; anything not given comes from the whole limit.
struct CableLimits
{
    std::optional<int> connections, splices;
    WaveLengthFigures fixed, attenuation; // per wavelength, over the limit's own

    bool operator==(const CableLimits& other) const;
};

struct TestLimits
{
    LimitMethod method = LimitMethod::Instrument;
    std::string preset; // a budget preset's name, or empty
    WaveLengthFigures fixed;
    WaveLengthFigures attenuation;                   // over the preset's
    std::optional<double> connectorLoss, spliceLoss; // over the preset's
    int connections = 0, splices = 0;
    double warningBand = 0; // dB: a margin at or above 0 but below it warns
    // Keyed by the cable name as the records hold it (single-byte text).
    std::map<std::string, CableLimits, std::less<>> cables;

    bool operator==(const TestLimits& other) const;
    bool operator!=(const TestLimits& other) const { return !(*this == other); }
};

struct BudgetPreset
{
    const char* name;
    WaveLengthFigures attenuation; // dB/km
    double connectorLoss, spliceLoss;
};

// The cabling standards' budgets, in the order a user is offered them.
const std::vector<BudgetPreset>& BudgetPresets();
const BudgetPreset* FindBudgetPreset(std::string_view name);

const char* MethodName(LimitMethod method); // "instrument", "fixed", "budget"
std::optional<LimitMethod> MethodNamed(std::string_view name);

// How the summary names the limit: the method, or the budget's preset.
std::string LimitName(const TestLimits& limits);

// The figures a budget or fixed limit uses for one cable's records.
struct CableFigures
{
    WaveLengthFigures fixed;       // dB per wavelength
    WaveLengthFigures attenuation; // dB/km per wavelength
    double connectorLoss = 0, spliceLoss = 0;
    int connections = 0, splices = 0;
};

// The cable's own figures over the limit's, over the preset's. A budget
// without a preset counts a connector or splice loss it is not given as 0:
// a forgotten figure makes the limit stricter, never more lenient.
CableFigures FiguresFor(const TestLimits& limits, std::string_view cable);
