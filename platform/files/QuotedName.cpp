#include "platform/files/QuotedName.h"

#include <cstdint>
#include <cstdio>

namespace {
bool LeftAloneByShells(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string("%+,-./:=@_").find(static_cast<char>(c)) != std::string::npos;
}

// The length of the printable UTF-8 character at `at`, or 0 for a control
// character (C0, DEL, C1) or a byte that starts no valid character.
size_t PrintableLength(const std::string& text, size_t at)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return lead >= 0x20 && lead != 0x7F ? 1 : 0;
    const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || at + length > text.size())
        return 0;
    uint32_t code = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (overlong || surrogate || code > 0x10FFFF || (code >= 0x80 && code < 0xA0))
        return 0;
    return length;
}

std::string Escaped(const std::string& text, size_t at, size_t length)
{
    std::string escaped;
    for (size_t i = at; i < at + length; ++i) {
        switch (text[i]) {
        case '\n':
            escaped += "\\n";
            break;
        case '\t':
            escaped += "\\t";
            break;
        case '\r':
            escaped += "\\r";
            break;
        default:
            char octal[8];
            std::snprintf(octal, sizeof octal, "\\%03o", static_cast<unsigned char>(text[i]));
            escaped += octal;
        }
    }
    return escaped;
}
} // namespace

std::string QuotedName(const std::string& name)
{
    bool plain = !name.empty();
    for (const char c : name)
        plain = plain && LeftAloneByShells(static_cast<unsigned char>(c));
    if (plain)
        return name;
    std::string quoted;
    bool open = false;
    const auto close = [&] {
        if (open)
            quoted += '\'';
        open = false;
    };
    for (size_t at = 0; at < name.size();) {
        const size_t printable = PrintableLength(name, at);
        if (name[at] == '\'') {
            close();
            quoted += "\\'";
            ++at;
        } else if (printable > 0) {
            if (!open)
                quoted += '\'';
            open = true;
            quoted.append(name, at, printable);
            at += printable;
        } else {
            // The whole control character, or the one stray byte.
            const size_t lead = static_cast<unsigned char>(name[at]);
            const size_t length = lead == 0xC2 && at + 1 < name.size() ? 2 : 1;
            close();
            quoted += "$'" + Escaped(name, at, length) + "'";
            at += length;
        }
    }
    close();
    return quoted.empty() ? "''" : quoted;
}
