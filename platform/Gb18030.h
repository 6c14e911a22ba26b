#pragma once

#include <string>
#include <string_view>

// GB18030, the Chinese national character set (a superset of code page 936),
// as the system's own converter reads it: iconv where there is one
// (Gb18030Posix.cpp), code page 54936 on Windows (Gb18030Windows.cpp).

struct Gb18030Text
{
    std::string utf8;
    // False when some bytes formed no GB18030 character; each such byte
    // reads as U+FFFD.
    bool exact = true;
};

Gb18030Text Utf8FromGb18030(std::string_view bytes);
