#include "platform/Gb18030.h"

Gb18030Text Gb18030WithoutConverter(std::string_view bytes)
{
    constexpr const char* Replacement = "\xEF\xBF\xBD"; // U+FFFD in UTF-8
    Gb18030Text text;
    text.exact = false;
    for (const char byte : bytes)
        text.utf8 += static_cast<unsigned char>(byte) < 0x80 ? std::string(1, byte) : Replacement;
    return text;
}
