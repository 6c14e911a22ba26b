#include "data/FixedDecimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>

namespace {
// The C library's text. A NaN is written with its sign, as glibc writes it
// (MinGW's library drops the sign), so that every system writes the same files.
std::string LibraryText(double value, int decimals)
{
    if (std::isnan(value))
        return std::signbit(value) ? "-nan" : "nan";
    char text[512];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// Bit for bit, except that any two NaN of the same sign are the same.
bool SameFloat(float a, float b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b) && std::signbit(a) == std::signbit(b);
    // The bits, so that -0 and 0 differ.
    uint32_t bitsA = 0, bitsB = 0;
    std::memcpy(&bitsA, &a, sizeof a);
    std::memcpy(&bitsB, &b, sizeof b);
    return bitsA == bitsB;
}

// Counts mismatches against the C library and reports the first few.
class Checker
{
public:
    // The text of a float, and the float its text reads back as.
    void Check(float value)
    {
        for (int decimals : {2, 3}) {
            const float expected =
                static_cast<float>(std::strtod(LibraryText(value, decimals).c_str(), nullptr));
            const float actual = RoundThroughText(value, decimals);
            if (!SameFloat(expected, actual))
                Fail(value, decimals, std::to_string(actual) + " read back");
        }
        CheckText(value);
    }
    // Its text, and the number that the outputs keeping numbers take for
    // it: the double the text reads back as, bit for bit, and its length.
    void CheckText(double value)
    {
        for (int decimals : {2, 3}) {
            const std::string text = LibraryText(value, decimals);
            if (FixedText(value, decimals) != text)
                Fail(value, decimals, FixedText(value, decimals));
            if (const std::optional<ShownNumber> shown = ShownNumberOf(value, decimals))
                CheckNumber(*shown, text);
        }
    }
    void CheckNumber(const ShownNumber& shown, const std::string& text)
    {
        const double expected = std::strtod(text.c_str(), nullptr), actual = DoubleOf(shown);
        // The bits, so that -0 and 0 differ.
        uint64_t expectedBits = 0, actualBits = 0;
        std::memcpy(&expectedBits, &expected, sizeof expected);
        std::memcpy(&actualBits, &actual, sizeof actual);
        if (expectedBits != actualBits || TextLength(shown) != text.size())
            Fail(expected, shown.decimals, std::to_string(actual) + " as a number");
    }
    int Failures() const { return m_Failures; }

private:
    void Fail(double value, int decimals, const std::string& what)
    {
        if (++m_Failures <= 5)
            ADD_FAILURE() << LibraryText(value, 12) << " with " << decimals << " decimals: " << what;
    }
    int m_Failures = 0;
};
} // namespace

TEST(FixedDecimal, TiesSignsAndExtremesAsTheCLibraryPrintsThem)
{
    constexpr float Max = std::numeric_limits<float>::max(), Inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    Checker checker;
    for (float v :
         {0.125f, 0.005f, 0.0005f,     2.675f,           1.005f, -0.004f, -0.0f, 0.126f, -12.3456f, 99.995f,
          1e-45f, 1e-38f, 16777216.0f, 1099511627776.0f, Max,    -Max,    Inf,   -Inf,   nan,       -nan})
        checker.Check(v);
    for (int k = -4000; k <= 4000; ++k) {
        checker.Check(static_cast<float>(k) / 8.0f);  // exact ties at the third decimal
        checker.Check(static_cast<float>(k) / 64.0f); // exact binary fractions
        checker.Check(static_cast<float>(k) * 0.005f);
        checker.Check(static_cast<float>(k) * 0.0005f);
        checker.CheckNumber(ScaledNumber(int64_t{k} * 1000003, 0), std::to_string(int64_t{k} * 1000003));
        checker.CheckNumber(ScaledNumber(k, 2), FixedText(k / 100.0, 2));
    }
    EXPECT_EQ(checker.Failures(), 0);
}

TEST(FixedDecimal, RandomFloatsAndDoublesMatchTheCLibrary)
{
    Checker checker;
    std::mt19937_64 random(20260306);
    for (int i = 0; i < 1000000; ++i) {
        const uint32_t bits = static_cast<uint32_t>(random());
        float value;
        std::memcpy(&value, &bits, sizeof value);
        checker.Check(value);
    }
    // Values of the instrument's range, where most of them lie.
    std::uniform_real_distribution<float> measured(-120.0f, 120.0f);
    for (int i = 0; i < 1000000; ++i)
        checker.Check(measured(random));
    for (int i = 0; i < 100000; ++i) {
        const uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        checker.CheckText(value);
        // Differences of two floats, as the received powers are computed.
        checker.CheckText(static_cast<double>(measured(random)) - static_cast<double>(measured(random)));
    }
    EXPECT_EQ(checker.Failures(), 0);
}
