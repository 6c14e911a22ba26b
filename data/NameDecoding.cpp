#include "data/NameDecoding.h"

#include "data/TextEncoding.h"
#include "platform/Gb18030.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cctype>

namespace {
std::atomic<NameEncoding> g_InForce{NameEncoding::Automatic};

constexpr std::array<std::pair<NameEncoding, const char*>, 4> Words{{{NameEncoding::Automatic, "auto"},
                                                                     {NameEncoding::Utf8, "utf-8"},
                                                                     {NameEncoding::Gb18030, "gb18030"},
                                                                     {NameEncoding::Latin1, "latin-1"}}};

bool IsAscii(std::string_view bytes)
{
    return std::all_of(
        bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Valid sequences as they are, every other byte as U+FFFD; nothing when
// `strict` and some byte was not valid.
std::optional<std::string> FromUtf8(std::string_view bytes, bool strict)
{
    std::string out;
    out.reserve(bytes.size());
    for (size_t at = 0; at < bytes.size();) {
        const size_t start = at;
        if (const std::optional<uint32_t> code = NextCodePoint(bytes, at)) {
            out.append(bytes.substr(start, at - start));
            continue;
        }
        if (strict)
            return std::nullopt;
        AppendUtf8(out, 0xFFFD);
        ++at;
    }
    return out;
}
} // namespace

std::string NameUtf8(std::string_view bytes, NameEncoding encoding)
{
    // Most names are plain ASCII, which reads the same in all three.
    if (IsAscii(bytes))
        return std::string(bytes);
    switch (encoding) {
    case NameEncoding::Utf8:
        return *FromUtf8(bytes, false);
    case NameEncoding::Gb18030:
        return Utf8FromGb18030(bytes).utf8;
    case NameEncoding::Latin1:
        return Utf8FromLatin1(bytes);
    case NameEncoding::Automatic:
        break;
    }
    if (std::optional<std::string> utf8 = FromUtf8(bytes, true))
        return *utf8;
    Gb18030Text gb = Utf8FromGb18030(bytes);
    if (gb.exact)
        return gb.utf8;
    return Utf8FromLatin1(bytes);
}

std::string NameUtf8(std::string_view bytes)
{
    return NameUtf8(bytes, NameEncodingInForce());
}

NameEncoding NameEncodingInForce()
{
    return g_InForce.load(std::memory_order_relaxed);
}

void SetNameEncoding(NameEncoding encoding)
{
    g_InForce.store(encoding, std::memory_order_relaxed);
}

const char* NameEncodingWord(NameEncoding encoding)
{
    for (const auto& [which, word] : Words)
        if (which == encoding)
            return word;
    return "auto";
}

std::optional<NameEncoding> NameEncodingOfWord(std::string_view word)
{
    std::string lower(word);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const auto& [which, known] : Words)
        if (lower == known)
            return which;
    return std::nullopt;
}
