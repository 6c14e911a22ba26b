#pragma once

#include <cstdint>
#include <string>

// The instrument's binary-coded decimal dates and times. Each byte is printed
// as two lowercase hexadecimal digits, so the digits appear as stored even
// when a byte is not valid decimal.

// Century, year, month, day: "YYYY-MM-DD".
std::string BcdDateText(const uint8_t bytes[4]);
// Hour, minute, second (the fourth byte is not used): "hh:mm:ss".
std::string BcdTimeText(const uint8_t bytes[4]);
