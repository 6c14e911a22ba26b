#pragma once

#include <string>
#include <string_view>
#include <vector>

// The rows of a CSV file as a spreadsheet writes it: fields separated by
// commas (by semicolons where the first line holds semicolons and no
// comma), a field in double quotes holding separators, line breaks and
// doubled quotes; CR LF, LF or CR line ends; a UTF-8 byte order mark at the
// start skipped.
std::vector<std::vector<std::string>> CsvRows(std::string_view text);
