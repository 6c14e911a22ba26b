#include "data/BcdText.h"

namespace {
void AppendHexByte(std::string& out, uint8_t byte)
{
    static const char Digits[] = "0123456789abcdef";
    out += Digits[byte >> 4];
    out += Digits[byte & 0x0F];
}
} // namespace

std::string BcdDateText(const uint8_t bytes[4])
{
    std::string text;
    text.reserve(10);
    AppendHexByte(text, bytes[0]);
    AppendHexByte(text, bytes[1]);
    text += '-';
    AppendHexByte(text, bytes[2]);
    text += '-';
    AppendHexByte(text, bytes[3]);
    return text;
}

std::string BcdTimeText(const uint8_t bytes[4])
{
    std::string text;
    text.reserve(8);
    AppendHexByte(text, bytes[0]);
    text += ':';
    AppendHexByte(text, bytes[1]);
    text += ':';
    AppendHexByte(text, bytes[2]);
    return text;
}
