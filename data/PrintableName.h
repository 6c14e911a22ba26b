#pragma once

#include <string>
#include <string_view>

// A name that comes from outside the instrument's files (a file's name, a
// company typed on the command line) as text that every format the programs
// write can hold, XML above all (a workbook's properties and cells, a PDF's
// metadata): UTF-8 as it is, other bytes read as the instrument's names are
// (GB18030, else Latin-1), and without control characters, which XML
// cannot hold and a page cannot show.
std::string PrintableName(std::string_view bytes);
