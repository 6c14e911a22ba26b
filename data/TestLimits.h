#pragma once

#include "data/LimitFigure.h"

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
// A limit certifies the wavelengths it has a figure for.
using WaveLengthFigures = std::map<int32_t, LimitFigure>;

// The most connections or splices one link is counted with; more is a typing
// slip.
constexpr int LargestCount = 9999;

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
    WaveLengthFigures attenuation;                        // over the preset's
    std::optional<LimitFigure> connectorLoss, spliceLoss; // over the preset's
    int connections = 0, splices = 0;
    LimitFigure warningBand; // dB: a margin at or above 0 but below it warns
    // Keyed by the cable name as it is shown (UTF-8, data/NameDecoding.h).
    std::map<std::string, CableLimits, std::less<>> cables;

    bool operator==(const TestLimits& other) const;
    bool operator!=(const TestLimits& other) const { return !(*this == other); }
};

struct BudgetPreset
{
    const char* name;              // as limit files name it
    const char* title;             // the standard in words, as a report names it
    WaveLengthFigures attenuation; // dB/km, at the wavelengths it certifies
    LimitFigure connectorLoss, spliceLoss;
};

// The cabling standards' budgets, in the order a user is offered them.
const std::vector<BudgetPreset>& BudgetPresets();
const BudgetPreset* FindBudgetPreset(std::string_view name);

const char* MethodName(LimitMethod method); // "instrument", "fixed", "budget"
std::optional<LimitMethod> MethodNamed(std::string_view name);

// How the summary names the limit: the method, or the budget's preset.
std::string LimitName(const TestLimits& limits);
// The budget's standard in words ("TIA-568.3-D single-mode, outside plant"),
// or nothing for a limit without a preset.
const char* StandardTitle(const TestLimits& limits);

// The figures a budget or fixed limit uses for one cable's records.
struct CableFigures
{
    WaveLengthFigures fixed;       // dB per wavelength
    WaveLengthFigures attenuation; // dB/km per wavelength
    LimitFigure connectorLoss, spliceLoss;
    int connections = 0, splices = 0;
};

// The cable's own figures over the limit's, over the preset's. A budget
// without a preset counts a connector or splice loss it is not given as 0:
// a forgotten figure makes the limit stricter, never more lenient.
// `cable` is the name as shown.
CableFigures FiguresFor(const TestLimits& limits, std::string_view cable);

// Whether the limit certifies `waveLength` for a cable with these figures:
// the instrument's threshold every one, a fixed limit or a budget those it
// has a figure for.
bool Certifies(LimitMethod method, const CableFigures& figures, int32_t waveLength);
// Of `waveLengths`, those the limit leaves some of `cables` (names as shown)
// without a figure for, in their order.
std::vector<int32_t> NotCertifiedOf(const TestLimits& limits, const std::vector<std::string>& cables,
                                    const std::vector<int32_t>& waveLengths);

// The limit of one wavelength in whole hundredths of a dB, rounded half away
// from zero from the exact sum: attenuation x length (metres, as the table
// shows the length) + connections x connector loss + splices x splice loss.
// Nothing when the wavelength has no attenuation or the length is beyond
// any fibre's.
std::optional<int64_t> BudgetHundredths(const CableFigures& figures, int32_t waveLength, int64_t metres);
// A fixed limit in whole hundredths; nothing when the wavelength has none.
std::optional<int64_t> FixedHundredths(const CableFigures& figures, int32_t waveLength);
