#include "data/LimitFigure.h"

#include <cstdlib>

namespace {
constexpr int FigureDecimals = 6;
// Beyond this many digits a figure is far past LargestFigureUnits or the
// sixth decimal: the exponent of a text cannot bring it back in range
// without its digits being zeros, which are skipped.
constexpr int MostDigits = 40;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}
} // namespace

std::optional<LimitFigure> ReadLimitFigure(std::string_view text)
{
    // The digits without the point, and where the point stands among them.
    std::string digits;
    int pointAt = 0;
    size_t at = 0;
    const auto take = [&](bool countsWhole) {
        const size_t start = at;
        for (; at < text.size() && IsDigit(text[at]); ++at) {
            if (digits.empty() && text[at] == '0') {
                if (!countsWhole)
                    --pointAt; // a leading zero after the point shifts the rest down
                continue;
            }
            digits += text[at];
            if (countsWhole)
                ++pointAt;
        }
        return at != start;
    };
    // JSON's grammar: no leading zero before other whole digits.
    if (at < text.size() && text[at] == '0' && at + 1 < text.size() && IsDigit(text[at + 1]))
        return std::nullopt;
    if (!take(true))
        return std::nullopt;
    if (at < text.size() && text[at] == '.') {
        ++at;
        if (!take(false))
            return std::nullopt;
    }
    int64_t exponent = 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        bool negative = false;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            negative = text[at++] == '-';
        const size_t start = at;
        for (; at < text.size() && IsDigit(text[at]); ++at)
            if (exponent < 1000)
                exponent = exponent * 10 + (text[at] - '0');
        if (at == start)
            return std::nullopt;
        if (negative)
            exponent = -exponent;
    }
    if (at != text.size())
        return std::nullopt;
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back(); // trailing zeros change nothing
    LimitFigure figure;
    figure.typed = std::string(text);
    if (digits.empty()) {
        figure.millionths = 0;
        return figure;
    }
    // value = 0.digits x 10^(pointAt + exponent)
    const int64_t wholeDigits = pointAt + exponent;
    const int64_t lastPlace = wholeDigits - static_cast<int64_t>(digits.size()); // of the last digit
    if (static_cast<int>(digits.size()) > MostDigits || lastPlace < -FigureDecimals || wholeDigits > 4)
        return std::nullopt;
    int64_t millionths = 0;
    for (const char c : digits)
        millionths = millionths * 10 + (c - '0');
    for (int64_t place = lastPlace; place > -FigureDecimals; --place)
        millionths *= 10;
    if (millionths > LargestFigureUnits * FigureMillionthsPerUnit)
        return std::nullopt;
    figure.millionths = millionths;
    return figure;
}

LimitFigure Figure(std::string_view text)
{
    const std::optional<LimitFigure> figure = ReadLimitFigure(text);
    if (!figure)
        std::abort(); // the program's own figures are written to read
    return *figure;
}

int64_t RoundedQuotient(int64_t value, int64_t divisor)
{
    const int64_t half = divisor / 2;
    return value >= 0 ? (value + half) / divisor : -((-value + half) / divisor);
}

int64_t FigureHundredths(const LimitFigure& figure)
{
    return RoundedQuotient(figure.millionths, FigureMillionthsPerUnit / 100);
}
