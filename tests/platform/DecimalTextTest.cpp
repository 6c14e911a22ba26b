#include "platform/DecimalText.h"

#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

// Expected values are exact: a quotient of two doubles that hold whole
// numbers exactly is the nearest double to the decimal, as the reader's is.
TEST(DecimalText, ReadsTheNearestDoubleAndRefusesWhatLiesBeyond)
{
    const double denormMin = std::numeric_limits<double>::denorm_min();
    const struct
    {
        std::string_view text;
        size_t length;
        std::optional<double> value;
    } cases[] = {
        {"0.1", 3, 1.0 / 10},
        {"-123.456e2 dB", 10, -123456.0 / 10},
        {"1,5", 1, 1.0}, // a decimal comma is not the C locale's
        {std::string_view("25", 1), 1, 2.0},
        {"9007199254740993", 16, std::ldexp(1.0, 53)}, // a tie goes to the even neighbour
        {"9007199254740995", 16, std::ldexp(1.0, 53) + 4},
        {".5", 2, 1.0 / 2},
        {"7.e1", 4, 70.0},
        {"2E+3,", 4, 2000.0},
        {"1e", 1, 1.0},
        {"3e+x", 1, 3.0},
        {"0x10", 1, 0.0},
        {"-0", 2, -0.0},
        {"0e-999", 6, 0.0},
        {"4.9e-324", 8, denormMin},
        {"2.5e-324", 8, denormMin},
        {"1.7976931348623157e308", 22, std::numeric_limits<double>::max()},
        {"2.4e-324", 8, std::nullopt}, // rounds to zero
        {"1e-400", 6, std::nullopt},
        {"1.8e308", 7, std::nullopt}, // rounds to infinity
        {"-", 0, std::nullopt},
        {".", 0, std::nullopt},
        {"+1", 0, std::nullopt},
        {" 1", 0, std::nullopt},
        {"inf", 0, std::nullopt},
    };
    for (const auto& c : cases) {
        size_t length = 99;
        const std::optional<double> value = ReadDecimal(c.text, length);
        EXPECT_EQ(length, c.length) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
        EXPECT_EQ(value && std::signbit(*value), c.value && std::signbit(*c.value)) << c.text; // -0
    }
}

#ifndef _WIN32
// The Qt program runs under the user's locale, which may write a decimal
// comma; the system's sources make one (as check_workbooks.py does).
TEST(DecimalText, ReadsAPointUnderALocaleWithADecimalComma)
{
    const ScratchFolder folder;
    const std::string command = "localedef -i de_DE -f UTF-8 " + folder.File("de_DE.UTF-8") + " 2>/dev/null";
    const int made = std::system(command.c_str()); // 1 when it only warns
    setenv("LOCPATH", folder.Path().c_str(), 1);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr) << "localedef: " << made;
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    size_t length = 0;
    const std::optional<double> value = ReadDecimal("0.5", length);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(value, 1.0 / 2);
    EXPECT_EQ(length, 3U);
}
#endif
