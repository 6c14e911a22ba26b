#include "workbook/CellValue.h"

#include <gtest/gtest.h>

#include <string>

// A number keeps the digits and the unit the table wrote it with; whatever
// is not exactly a number of its column's kind stays text.
TEST(CellValue, NumbersKeepTheirDigitsAndUnit)
{
    const struct
    {
        const char* text;
        double number;
        int decimals;
        bool exponent;
        const char* unit;
    } numbers[] = {
        {"0.60", 0.6, 2, false, ""},      {"-9.58dBm", -9.58, 2, false, "dBm"},
        {"1310nm", 1310, 0, false, "nm"}, {"6.312", 6.312, 3, false, ""},
        {"-0.00", 0, 2, false, ""},       {"1.00e+30dBm", 1e30, 2, true, "dBm"},
        {"45.32 ", 45.32, 2, false, ""}, // the OPM's blank unit
    };
    for (const auto& n : numbers) {
        const CellValue value = ValueOf(n.text, CellKind::Number);
        EXPECT_EQ(value.type, CellValue::Type::Number) << n.text;
        EXPECT_EQ(value.number, n.number) << n.text;
        EXPECT_EQ(value.decimals, n.decimals) << n.text;
        EXPECT_EQ(value.exponent, n.exponent) << n.text;
        EXPECT_EQ(value.unit, n.unit) << n.text;
    }
    for (const char* text : {"N/A", "too low", "too high", "nan", "-nan", "inf", "-inf", "", "-", "1.", ".5",
                             "+1", "1e5", "1.00e+999", "12dB m", "0x10", "1,5", "9.58-"})
        EXPECT_EQ(ValueOf(text, CellKind::Number).type, CellValue::Type::Text) << text;
    EXPECT_EQ(ValueOf("0.60", CellKind::Text).type, CellValue::Type::Text);
}

TEST(CellValue, DatesAndTimesAreRealOnesOrText)
{
    const CellValue date = ValueOf("2024-02-29", CellKind::Date);
    ASSERT_EQ(date.type, CellValue::Type::Date);
    EXPECT_EQ(date.year * 10000 + date.month * 100 + date.day, 20240229);
    const CellValue time = ValueOf("23:59:58", CellKind::Time);
    ASSERT_EQ(time.type, CellValue::Type::Time);
    EXPECT_EQ(time.hour * 3600 + time.minute * 60 + time.second, 86398);
    // Bytes that are no binary-coded decimal print as hexadecimal digits.
    for (const char* text : {"2023-02-29", "2100-02-29", "2026-13-01", "2026-00-10", "2026-04-31",
                             "1899-12-31", "202a-03-10", "2026-3-10", "2026-03-10 ", "10:11:12"})
        EXPECT_EQ(ValueOf(text, CellKind::Date).type, CellValue::Type::Text) << text;
    for (const char* text : {"24:00:00", "23:60:00", "23:59:60", "1a:00:00", "8:00:00", "2026-03-10"})
        EXPECT_EQ(ValueOf(text, CellKind::Time).type, CellValue::Type::Text) << text;
}
