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
// "N/A"), limits are rounded to two decimals, and everything is compared in
// whole hundredths of a dB: a printed loss of 3.10 against a printed limit
// of 3.10 passes whatever the float rounding, and printed margins add up.

// In rising severity, so that the worst of several is the largest.
enum class Verdict : uint8_t
{
    None, // "No verdict": no loss shown, or no limit for the wavelength
    Pass,
    Warning, // 0 <= margin < warning band
    Fail,    // margin < 0
};

enum class Direction : uint8_t
{
    AB,
    BA,
};
constexpr Direction Directions[] = {Direction::AB, Direction::BA};

const char* VerdictText(Verdict verdict);       // "Pass", "Warning", "Fail", "No verdict"
const char* DirectionText(Direction direction); // "A->B", "B->A"

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
// record order.
class LossTestVerdicts
{
public:
    int WaveCount() const { return m_WaveCount; } // 3, 2, or 0 before any loss test
    size_t RecordCount() const { return m_Fibres.size(); }
    const WaveVerdict& At(size_t record, int wave) const
    {
        return m_Waves[record * static_cast<size_t>(m_WaveCount) + static_cast<size_t>(wave)];
    }
    // The worst over wavelengths and directions; None only when none has one.
    Verdict FibreVerdict(size_t record) const { return m_Fibres[record]; }

private:
    friend LossTestVerdicts CertifyLossTests(const CDataStore& store, const TestLimits& limits);
    int m_WaveCount = 0;
    std::vector<WaveVerdict> m_Waves;
    std::vector<Verdict> m_Fibres;
};

LossTestVerdicts CertifyLossTests(const CDataStore& store, const TestLimits& limits);
