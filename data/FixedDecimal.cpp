#include "data/FixedDecimal.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {
constexpr uint64_t PowerOfTen[] = {1, 10, 100, 1000};
constexpr uint64_t ExactInDouble = uint64_t(1) << 53;

struct Decomposed
{
    bool negative;
    bool finite;
    uint64_t mantissa; // value = mantissa * 2^exponent
    int exponent;
};

Decomposed Decompose(double value)
{
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    Decomposed d;
    d.negative = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    d.finite = biased != 0x7FF;
    d.mantissa = bits & ((uint64_t(1) << 52) - 1);
    if (biased == 0) {
        d.exponent = -1074;
    } else {
        d.mantissa |= uint64_t(1) << 52;
        d.exponent = biased - 1075;
    }
    return d;
}

// Magnitudes below 2^50: the value times 10^decimals rounded to the nearest
// integer, ties to even; every intermediate fits 64 bits.
bool ScaleSmall(const Decomposed& d, int decimals, uint64_t& scaled)
{
    if (!d.finite || d.exponent >= -2)
        return false;
    const uint64_t product = d.mantissa * PowerOfTen[decimals]; // below 2^63
    const int shift = -d.exponent;
    if (shift >= 64) {
        scaled = 0; // below one half
        return true;
    }
    uint64_t whole = product >> shift;
    const uint64_t rest = product & ((uint64_t(1) << shift) - 1);
    const uint64_t half = uint64_t(1) << (shift - 1);
    if (rest > half || (rest == half && (whole & 1) != 0))
        ++whole;
    scaled = whole;
    return true;
}

void AppendScaled(std::string& out, bool negative, uint64_t scaled, int decimals)
{
    char text[32];
    char* const end = text + sizeof text;
    char* p = end;
    for (int i = 0; i < decimals; ++i) {
        *--p = static_cast<char>('0' + scaled % 10);
        scaled /= 10;
    }
    *--p = '.';
    do {
        *--p = static_cast<char>('0' + scaled % 10);
        scaled /= 10;
    } while (scaled != 0);
    if (negative)
        *--p = '-';
    out.append(p, static_cast<size_t>(end - p));
}

// Magnitudes of 2^50 and more have at most two binary fraction digits, so the
// value times 100 or 1000 is an exact integer: computed in base 10^9 limbs,
// on the stack, since fuzzed and damaged files are full of such values.
void AppendLarge(std::string& out, const Decomposed& d, int decimals)
{
    constexpr uint64_t LimbBase = 1000000000;
    constexpr int LimbDigits = 9;
    // Below 2^1024 times 1000: at most 312 digits.
    uint64_t limbs[36]; // least significant first
    size_t count = 0;
    uint64_t start = d.mantissa * PowerOfTen[decimals];
    int exponent = d.exponent;
    if (exponent < 0) {
        start >>= -exponent; // exact: 4 divides 100 and 1000
        exponent = 0;
    }
    for (; start != 0; start /= LimbBase)
        limbs[count++] = start % LimbBase;
    while (exponent > 0) {
        const int step = exponent < 29 ? exponent : 29;
        uint64_t carry = 0;
        for (size_t i = 0; i < count; ++i) {
            const uint64_t v = (limbs[i] << step) + carry;
            limbs[i] = v % LimbBase;
            carry = v / LimbBase;
        }
        for (; carry != 0; carry /= LimbBase)
            limbs[count++] = carry % LimbBase;
        exponent -= step;
    }
    char digits[sizeof limbs / sizeof limbs[0] * LimbDigits];
    char* const end = digits + sizeof digits;
    char* p = end;
    for (size_t i = 0; i < count; ++i) {
        uint64_t limb = limbs[i];
        // Every limb but the most significant keeps its leading zeros.
        for (int digit = 0; digit < LimbDigits && (limb != 0 || i + 1 < count); ++digit) {
            *--p = static_cast<char>('0' + limb % 10);
            limb /= 10;
        }
    }
    const auto length = static_cast<size_t>(end - p);
    if (d.negative)
        out += '-';
    out.append(p, length - static_cast<size_t>(decimals));
    out += '.';
    out.append(end - decimals, static_cast<size_t>(decimals));
}
} // namespace

void AppendFixed(std::string& out, double value, int decimals)
{
    const Decomposed d = Decompose(value);
    uint64_t scaled;
    if (ScaleSmall(d, decimals, scaled))
        AppendScaled(out, d.negative, scaled, decimals);
    else if (!d.finite)
        out += std::isnan(value) ? (d.negative ? "-nan" : "nan") : (d.negative ? "-inf" : "inf");
    else
        AppendLarge(out, d, decimals);
}

std::string FixedText(double value, int decimals)
{
    std::string text;
    AppendFixed(text, value, decimals);
    return text;
}

std::optional<int64_t> ScaledFixed(double value, int decimals)
{
    const Decomposed d = Decompose(value);
    uint64_t scaled;
    if (!ScaleSmall(d, decimals, scaled))
        return std::nullopt;
    const auto whole = static_cast<int64_t>(scaled);
    return d.negative ? -whole : whole;
}

void AppendScaledFixed(std::string& out, int64_t scaled, int decimals)
{
    const bool negative = scaled < 0;
    AppendScaled(out, negative, negative ? 0 - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled),
                 decimals);
}

std::optional<ShownNumber> ShownNumberOf(double value, int decimals)
{
    const Decomposed d = Decompose(value);
    uint64_t scaled;
    if (!ScaleSmall(d, decimals, scaled) || scaled >= ExactInDouble)
        return std::nullopt;
    return ShownNumber{scaled, decimals, d.negative};
}

ShownNumber ScaledNumber(int64_t scaled, int decimals)
{
    const bool negative = scaled < 0;
    return ShownNumber{negative ? 0 - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled), decimals,
                       negative};
}

double DoubleOf(const ShownNumber& number)
{
    const double magnitude =
        static_cast<double>(number.digits) / static_cast<double>(PowerOfTen[number.decimals]);
    return number.negative ? -magnitude : magnitude;
}

size_t TextLength(const ShownNumber& number)
{
    // At least one digit before the point.
    size_t digits = static_cast<size_t>(number.decimals) + 1;
    for (uint64_t rest = number.digits / PowerOfTen[number.decimals]; rest >= 10; rest /= 10)
        ++digits;
    return digits + (number.decimals > 0 ? 1 : 0) + (number.negative ? 1 : 0);
}

float RoundThroughText(float value, int decimals)
{
    if (const std::optional<ShownNumber> shown = ShownNumberOf(value, decimals))
        return static_cast<float>(DoubleOf(*shown));
    if (std::isnan(value))
        return std::copysign(std::numeric_limits<float>::quiet_NaN(), value);
    // Infinite, or so large that it is a whole number: its text is exact.
    return value;
}
