#include "FixedDecimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>

namespace {
std::string LibraryText(double value, int decimals)
{
    char text[512];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

float LibraryRoundTrip(float value, int decimals)
{
    return static_cast<float>(std::strtod(LibraryText(value, decimals).c_str(), nullptr));
}

// Bit for bit, except that any two NaN of the same sign are the same.
bool SameFloat(float a, float b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b) && std::signbit(a) == std::signbit(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

float FloatOfBits(uint32_t bits)
{
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

// Counts mismatches against the C library and reports the first few.
class Checker
{
public:
    void Check(float value)
    {
        for (int decimals : {2, 3}) {
            const std::string expected = LibraryText(value, decimals);
            const std::string actual = FixedText(value, decimals);
            const float expectedValue = LibraryRoundTrip(value, decimals);
            const float actualValue = RoundThroughText(value, decimals);
            if (expected != actual || !SameFloat(expectedValue, actualValue)) {
                if (++m_Failures <= 5)
                    ADD_FAILURE() << "value " << LibraryText(value, 12) << " decimals " << decimals
                                  << ": text " << actual << " vs " << expected << ", round trip "
                                  << actualValue << " vs " << expectedValue;
            }
        }
    }
    int Failures() const { return m_Failures; }

private:
    int m_Failures = 0;
};
} // namespace

TEST(FixedDecimal, TiesAndSignsAsTheCLibraryPrintsThem)
{
    Checker checker;
    for (float v : {0.125f,
                    0.375f,
                    0.005f,
                    0.015f,
                    0.0005f,
                    2.675f,
                    1.005f,
                    -0.004f,
                    -0.0f,
                    0.0f,
                    0.126f,
                    12.34567f,
                    -12.3456f,
                    98.0f,
                    99.995f,
                    1e-45f,
                    1e-38f,
                    16777216.0f,
                    1099511627776.0f,
                    std::numeric_limits<float>::max(),
                    -std::numeric_limits<float>::max(),
                    std::numeric_limits<float>::infinity(),
                    -std::numeric_limits<float>::infinity(),
                    std::numeric_limits<float>::quiet_NaN(),
                    -std::numeric_limits<float>::quiet_NaN()})
        checker.Check(v);
    for (int k = -4000; k <= 4000; ++k) {
        checker.Check(static_cast<float>(k) / 8.0f);  // exact ties at the third decimal
        checker.Check(static_cast<float>(k) / 64.0f); // exact binary fractions
        checker.Check(static_cast<float>(k) * 0.005f);
        checker.Check(static_cast<float>(k) * 0.0005f);
    }
    EXPECT_EQ(checker.Failures(), 0);
}

TEST(FixedDecimal, MillionsOfRandomFloatsMatchTheCLibrary)
{
    Checker checker;
    std::mt19937 random(20260306);
    for (int i = 0; i < 3000000; ++i)
        checker.Check(FloatOfBits(static_cast<uint32_t>(random())));
    // Values of the instrument's range, where most of them lie.
    std::uniform_real_distribution<float> measured(-120.0f, 120.0f);
    for (int i = 0; i < 3000000; ++i)
        checker.Check(measured(random));
    EXPECT_EQ(checker.Failures(), 0);
}

TEST(FixedDecimal, DoublesOfEveryMagnitudeMatchTheCLibrary)
{
    std::mt19937_64 random(7);
    int failures = 0;
    for (int i = 0; i < 300000; ++i) {
        uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        for (int decimals : {2, 3})
            if (FixedText(value, decimals) != LibraryText(value, decimals) && ++failures <= 5)
                ADD_FAILURE() << LibraryText(value, decimals);
    }
    // Differences of two floats, as the received powers are computed.
    std::uniform_real_distribution<float> level(-60.0f, 60.0f);
    for (int i = 0; i < 300000; ++i) {
        const double value = static_cast<double>(level(random)) - static_cast<double>(level(random));
        if (FixedText(value, 2) != LibraryText(value, 2) && ++failures <= 5)
            ADD_FAILURE() << LibraryText(value, 12);
    }
    EXPECT_EQ(failures, 0);
}
