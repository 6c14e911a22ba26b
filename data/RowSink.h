#pragma once

#include <string>

// Where the OPM and ORL decoders report list rows while they read a file; the
// list pages implement it, tests record the rows.
class RowSink
{
public:
    virtual ~RowSink() = default;
    virtual void ClearRows() = 0;
    // Appends row `row` (0-based) whose first column holds `number`.
    virtual void InsertRow(int row, const std::string& number) = 0;
    virtual void SetCell(int row, int column, const std::string& text) = 0;
};
