#pragma once

#include <string>
#include <vector>

// The cells of the first sheet of an Excel workbook (.xlsx) as text, row by
// row, for reading a table a user typed: shared and inline strings as they
// stand, numbers as the file writes them ("12", "1.5"), TRUE and FALSE;
// cells left out read as empty. Read with minizip and expat; a part larger
// than a table ever is, and anything that is no workbook, is refused.
struct XlsxReading
{
    bool ok = false;
    std::vector<std::vector<std::string>> rows;
    std::string error; // why not
};

XlsxReading ReadXlsxRows(const std::string& path);
