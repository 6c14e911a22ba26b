#include "data/CsvField.h"

void AppendCsvField(std::string& out, std::string_view text)
{
    bool needsQuotes = false;
    for (size_t i = 0; i < text.size() && !needsQuotes; ++i)
        needsQuotes = text[i] == ',' || text[i] == '"' || text[i] == '\r' || text[i] == '\n';
    if (!needsQuotes) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}
