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

void AppendCsvLine(std::string& out, std::initializer_list<std::string_view> fields)
{
    const char* separator = "";
    for (const std::string_view field : fields) {
        out += separator;
        AppendCsvField(out, field);
        separator = ",";
    }
    out += CsvLineEnd;
}
