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

// Whether the system has the converter. Without one (Wine before version 9
// has no code page 54936) every byte above 0x7F reads as U+FFFD and no text
// is exact, so that names fall back to Latin-1.
bool SystemReadsGb18030();

// What both systems give without the converter.
Gb18030Text Gb18030WithoutConverter(std::string_view bytes);
