#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Record texts (cable and fiber names) are single bytes of the instrument's
// code page, which the program reads as Latin-1; text files meant for people
// (limit and header files) hold UTF-8. These convert between the two.

// The code point of the UTF-8 sequence at text[at], advancing `at` past it;
// nothing (and `at` unchanged) for a byte that starts no well-formed sequence,
// overlong forms and surrogates included.
std::optional<uint32_t> NextCodePoint(std::string_view text, size_t& at);
void AppendUtf8(std::string& out, uint32_t code);

std::string Utf8FromLatin1(std::string_view latin1);
// Nothing when the text holds a character beyond Latin-1 or is not UTF-8.
std::optional<std::string> Latin1FromUtf8(std::string_view utf8);
