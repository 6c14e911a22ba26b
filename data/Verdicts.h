#pragma once

#include "data/CDataStore.h"
#include "data/TestLimits.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Certifying loss tests against a limit: per record, wavelength and
// direction the limit, the margin (limit - loss) and a verdict.
//
// Losses are the values the table shows (two decimals, none where it shows
// "N/A"), limits are worked out exactly and rounded half away from zero to
// two decimals, and everything is compared in whole hundredths of a dB: a
// printed loss of 3.10 against a printed limit of 3.10 passes whatever the
// float rounding, and printed margins add up.
//
// A limit certifies some wavelengths (data/TestLimits.h); a measured
// wavelength it has no figure for is "Not certified", never Pass. At a
// certified wavelength a direction without a result (a loss shown "N/A", or
// no limit because a budget's length is not shown) is Incomplete.

// In rising severity, so that the worst of several is the largest: a fibre
// is Fail before Incomplete before Warning before Pass.
enum class Verdict : uint8_t
{
    None, // "Not certified": the limit has no figure for the wavelength
    Pass,
    Warning,    // 0 <= margin < warning band
    Incomplete, // certified, but no result to compare
    Fail,       // margin < 0
};

enum class Direction : uint8_t
{
    AB,
    BA,
};
constexpr Direction Directions[] = {Direction::AB, Direction::BA};

// "Pass", "Warning", "Incomplete", "Fail", "Not certified"
const char* VerdictText(Verdict verdict);
const char* DirectionText(Direction direction); // "A->B", "B->A"

// The fill (0xRRGGBB) that the table and the workbook give a loss cell of
// `verdict`: red, amber, grey-blue; nothing for Pass and Not certified.
std::optional<uint32_t> VerdictFill(Verdict verdict);

// A loss or limit in hundredths of a dB, or none.
constexpr int32_t NoHundredths = INT32_MIN;
// "%.2f" of hundredths / 100.
void AppendHundredths(std::string& out, int64_t hundredths);

// One wavelength of one record.
struct WaveVerdict
{
    int32_t limit = NoHundredths;
    int32_t loss[2] = {NoHundredths, NoHundredths}; // by Direction
    Verdict verdict[2] = {Verdict::None, Verdict::None};

    int32_t Loss(Direction d) const { return loss[static_cast<int>(d)]; }
    Verdict VerdictOf(Direction d) const { return verdict[static_cast<int>(d)]; }
    bool HasMargin(Direction d) const { return limit != NoHundredths && Loss(d) != NoHundredths; }
    int64_t Margin(Direction d) const { return int64_t(limit) - Loss(d); } // when HasMargin
    // The worse of the two directions.
    Verdict Worst() const { return std::max(verdict[0], verdict[1]); }
    // The smaller of the two directions' margins; nothing when neither has one.
    std::optional<int64_t> SmallerMargin() const;
};

// The verdicts of every record of the store's current loss-test list, in
// record order, and what the limit left out.
class LossTestVerdicts
{
public:
    int WaveCount() const { return m_WaveCount; } // 3, 2, or 0 before any loss test
    size_t RecordCount() const { return m_Fibres.size(); }
    const WaveVerdict& At(size_t record, int wave) const
    {
        return m_Waves[record * static_cast<size_t>(m_WaveCount) + static_cast<size_t>(wave)];
    }
    // The worst over wavelengths and directions; None only when the limit
    // certifies none of the record's wavelengths.
    Verdict FibreVerdict(size_t record) const { return m_Fibres[record]; }
    // The file's wavelengths that some record has no figure for, in the
    // order of the file's wavelengths.
    const std::vector<int32_t>& NotCertified() const { return m_NotCertified; }
    // The limit's per-cable names that no cable of the file is shown as.
    const std::vector<std::string>& UnmatchedCables() const { return m_UnmatchedCables; }

private:
    friend LossTestVerdicts CertifyLossTests(const CDataStore& store, const TestLimits& limits);
    int m_WaveCount = 0;
    std::vector<WaveVerdict> m_Waves;
    std::vector<Verdict> m_Fibres;
    std::vector<int32_t> m_NotCertified;
    std::vector<std::string> m_UnmatchedCables;
};

LossTestVerdicts CertifyLossTests(const CDataStore& store, const TestLimits& limits);
