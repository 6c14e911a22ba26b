#include "data/PrintableName.h"

#include "data/NameDecoding.h"
#include "data/TextEncoding.h"

namespace {
// C0, DEL and C1 control characters, and the two that are no characters at
// all in XML.
bool Printable(uint32_t code)
{
    return code >= 0x20 && !(code >= 0x7F && code < 0xA0) && code != 0xFFFE && code != 0xFFFF;
}
} // namespace

std::string PrintableName(std::string_view bytes)
{
    // Whatever the setting for the instrument's names: a name the system
    // gave in UTF-8 stays as it is.
    const std::string utf8 = NameUtf8(bytes, NameEncoding::Automatic);
    std::string printable;
    printable.reserve(utf8.size());
    for (size_t at = 0; at < utf8.size();) {
        const size_t start = at;
        const std::optional<uint32_t> code = NextCodePoint(utf8, at);
        if (!code)
            ++at; // a byte that is not UTF-8, which NameUtf8 leaves none of
        else if (Printable(*code))
            printable.append(utf8, start, at - start);
    }
    return printable;
}
