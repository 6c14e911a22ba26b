#pragma once

#include <string>
#include <string_view>

// The quoting and line ends that every CSV file the program writes shares.

inline constexpr char CsvLineEnd[] = "\r\n";

// A field holding a separator, a quote or a line break is quoted so that it
// reads back as one field; every other field is written byte for byte.
void AppendCsvField(std::string& out, std::string_view text);

// The fields, separated by commas, and a line end.
template <typename Fields> void AppendCsvLine(std::string& out, const Fields& fields)
{
    const char* separator = "";
    for (const std::string_view field : fields) {
        out += separator;
        AppendCsvField(out, field);
        separator = ",";
    }
    out += CsvLineEnd;
}
