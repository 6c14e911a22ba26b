#pragma once

#include <optional>
#include <string>
#include <string_view>

// The instrument's name fields (cable and fiber names) are bytes with no
// declared encoding. Wherever a name is shown (lists, table, reports,
// kav-convert's JSON) it is read the same way: as UTF-8 when the bytes are
// valid UTF-8, otherwise as GB18030 when they decode without error there
// (the instrument's table face is the Chinese one), otherwise as Latin-1. A
// setting can force one of the three. CSV files and documents keep the bytes
// exactly as read.

enum class NameEncoding
{
    Automatic,
    Utf8,
    Gb18030,
    Latin1
};

// The name as UTF-8 text, read in the encoding in force.
std::string NameUtf8(std::string_view bytes);
// ... or in `encoding`; a forced encoding shows bytes it cannot read as
// U+FFFD.
std::string NameUtf8(std::string_view bytes, NameEncoding encoding);

// The encoding in force for the process: Automatic until set.
NameEncoding NameEncodingInForce();
void SetNameEncoding(NameEncoding encoding);

// "auto", "utf-8", "gb18030", "latin-1": the setting's and the flag's words.
const char* NameEncodingWord(NameEncoding encoding);
// By that word, in any letter case.
std::optional<NameEncoding> NameEncodingOfWord(std::string_view word);
