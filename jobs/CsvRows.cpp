#include "jobs/CsvRows.h"

std::vector<std::vector<std::string>> CsvRows(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    const std::string_view firstLine = text.substr(0, text.find_first_of("\r\n"));
    const char separator =
        firstLine.find(',') == std::string_view::npos && firstLine.find(';') != std::string_view::npos ? ';'
                                                                                                       : ',';
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false, rowStarted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"')
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else
                quoted = false;
            continue;
        }
        rowStarted = true;
        if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            row.push_back(std::move(field));
            field.clear();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            row.push_back(std::move(field));
            field.clear();
            rows.push_back(std::move(row));
            row.clear();
            rowStarted = false;
        } else {
            field += c;
        }
    }
    if (rowStarted || quoted) {
        row.push_back(std::move(field));
        rows.push_back(std::move(row));
    }
    return rows;
}
