#pragma once

#include "data/ByteSpan.h"
#include "data/RowSink.h"
#include "tests/support/ScratchFolder.h"

#include <cstdio>
#include <string>
#include <vector>

// value as the C library prints it with format, e.g. "%.2f".
inline std::string Printed(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

inline ByteSpan SpanOf(const std::string& bytes)
{
    return {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
}

// What a decoder reported to its list page.
class RecordingSink : public RowSink
{
public:
    int clears = 0;
    std::vector<std::vector<std::string>> rows;

    void ClearRows() override
    {
        ++clears;
        rows.clear();
    }
    void InsertRow(int row, const std::string& number) override
    {
        rows.resize(static_cast<size_t>(row) + 1, std::vector<std::string>(8));
        rows[static_cast<size_t>(row)][0] = number;
    }
    void SetCell(int row, int column, const std::string& text) override
    {
        rows.at(static_cast<size_t>(row)).at(static_cast<size_t>(column)) = text;
    }
};
