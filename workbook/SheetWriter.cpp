#include "workbook/SheetWriter.h"

#include "workbook/CellValue.h"

#include <algorithm>
#include <string_view>

// How a column's numbers show their unit, and how wide its texts are.
struct SheetWriter::ColumnState
{
    enum class Units
    {
        InTitle, // given with the title, or carried alike by every number
        InCells, // numbers that carry different units: each shows its own
    } units = Units::InTitle;
    std::string foundUnit; // the one unit every number carries
    CellKind cell = CellKind::Text;
    size_t widest = 0; // characters of the widest text shown
    // The formats of the column's cells so far: a column has a few, which
    // its cells take in turn.
    std::vector<std::pair<CellLook, lxw_format*>> looks;
};

namespace {
constexpr double TitleRowHeight = 30; // points: two lines
constexpr double MaximumWidth = 60;   // characters
constexpr size_t RowsPerProgress = 4096;

size_t CharactersOf(std::string_view utf8)
{
    return static_cast<size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// A spreadsheet reads _xHHHH_ in a text as the character HHHH (libxlsxwriter
// writes a control character so); a name that holds those very characters
// keeps them by having its underscore written as _x005F_.
std::string KeepingEscapes(const std::string& text)
{
    std::string kept;
    for (size_t i = 0; i < text.size(); ++i) {
        kept += text[i];
        if (text[i] == '_' && i + 6 < text.size() && text[i + 1] == 'x' && IsHexDigit(text[i + 2]) &&
            IsHexDigit(text[i + 3]) && IsHexDigit(text[i + 4]) && IsHexDigit(text[i + 5]) &&
            text[i + 6] == '_')
            kept += "x005F_";
    }
    return kept;
}

// The display format that shows the number with the digits it was written
// with: "0.00", "0", "0.00E+00", with a unit in quotes where it is shown.
std::string NumberFormat(const CellValue& value, std::string_view unit)
{
    std::string format = "0";
    if (value.decimals > 0)
        format += "." + std::string(static_cast<size_t>(value.decimals), '0');
    if (value.exponent)
        format += "E+00";
    if (!unit.empty())
        format += "\"" + std::string(unit) + "\"";
    return format;
}

std::string TitleOf(const SheetColumn& column, const std::string& unit)
{
    return unit.empty() ? column.name : column.name + "\n" + unit;
}

} // namespace

// Where the title gives none: the OPM and ORL tables write "-9.58dBm", "1310nm".
void SheetWriter::FindUnits(const SheetTable& table, std::vector<SheetCell>& cells,
                            std::vector<ColumnState*>& open)
{
    std::vector<bool> seen(open.size(), false);
    for (size_t row = 0; row < table.rowCount && !open.empty(); ++row) {
        table.fillRow(row, cells);
        for (size_t c = 0; c < open.size(); ++c) {
            ColumnState* state = open[c];
            if (!state)
                continue;
            // A number taken from a record's value carries no unit.
            const CellValue value = cells[c].number ? CellValue() : ValueOf(cells[c].text, CellKind::Number);
            if (!cells[c].number && value.type != CellValue::Type::Number)
                continue;
            if (!seen[c]) {
                state->foundUnit = value.unit;
                seen[c] = true;
            } else if (state->foundUnit != value.unit) {
                state->units = ColumnState::Units::InCells;
                state->foundUnit.clear();
                open[c] = nullptr;
            }
        }
    }
}
lxw_format* SheetWriter::FormatOf(const Look& look)
{
    const auto found = m_Formats.find(look);
    if (found != m_Formats.end())
        return found->second;
    lxw_format* format = workbook_add_format(m_Book);
    format_set_align(format, LXW_ALIGN_CENTER);
    format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
    if (look.title) {
        format_set_bold(format);
        format_set_text_wrap(format);
    }
    if (!look.numberFormat.empty())
        format_set_num_format(format, look.numberFormat.c_str());
    if (look.rule)
        format_set_bottom(format, LXW_BORDER_THIN);
    if (look.fail) {
        // The spreadsheets' own look of a bad value: light red, dark red text.
        format_set_bg_color(format, 0xFFC7CE);
        format_set_font_color(format, 0x9C0006);
    }
    if (look.fill)
        format_set_bg_color(format, *look.fill);
    m_Formats.emplace(look, format);
    return format;
}

lxw_error SheetWriter::WriteCell(lxw_worksheet* sheet, size_t row, size_t column, const SheetCell& cell,
                                 bool rule, ColumnState& state)
{
    const auto r = static_cast<lxw_row_t>(row);
    const auto c = static_cast<lxw_col_t>(column);
    const std::string& text = cell.text;
    CellValue value;
    size_t shown = 0; // characters
    if (cell.number) {
        value.type = CellValue::Type::Number;
        value.number = DoubleOf(*cell.number);
        value.decimals = cell.number->decimals;
        shown = TextLength(*cell.number);
    } else {
        value = ValueOf(text, state.cell);
        shown = value.type == CellValue::Type::Text ? CharactersOf(text) : text.size();
    }
    const bool unitInCell =
        value.type == CellValue::Type::Number && state.units == ColumnState::Units::InCells;
    const std::string_view unit = unitInCell ? value.unit : std::string_view();
    const bool fail = value.type == CellValue::Type::Text && text == "Fail";
    if (value.type == CellValue::Type::Number && !unitInCell)
        shown -= std::min(shown, value.unit.size());
    const auto same = [&](const std::pair<CellLook, lxw_format*>& known) {
        const CellLook& look = known.first;
        return look.type == static_cast<int>(value.type) && look.decimals == value.decimals &&
               look.exponent == value.exponent && look.unit == unit && look.rule == rule &&
               look.fail == fail && look.fill == cell.fill;
    };
    auto known = std::find_if(state.looks.begin(), state.looks.end(), same);
    if (known == state.looks.end()) {
        Look look;
        look.rule = rule;
        look.fail = fail;
        look.fill = cell.fill;
        switch (value.type) {
        case CellValue::Type::Number:
            look.numberFormat = NumberFormat(value, unit);
            break;
        case CellValue::Type::Date:
            look.numberFormat = "yyyy-mm-dd";
            break;
        case CellValue::Type::Time:
            look.numberFormat = "hh:mm:ss";
            break;
        case CellValue::Type::Text:
            break;
        }
        known =
            state.looks.insert(state.looks.end(), {{static_cast<int>(value.type), value.decimals,
                                                    value.exponent, std::string(unit), rule, fail, cell.fill},
                                                   FormatOf(look)});
    }
    lxw_format* format = known->second;
    state.widest = std::max(state.widest, shown);
    switch (value.type) {
    case CellValue::Type::Number:
        return worksheet_write_number(sheet, r, c, value.number, format);
    case CellValue::Type::Date: {
        lxw_datetime date{value.year, value.month, value.day, 0, 0, 0};
        return worksheet_write_datetime(sheet, r, c, &date, format);
    }
    case CellValue::Type::Time: {
        lxw_datetime time{0, 0, 0, value.hour, value.minute, static_cast<double>(value.second)};
        return worksheet_write_datetime(sheet, r, c, &time, format);
    }
    case CellValue::Type::Text:
        break;
    }
    // An empty cell holds nothing but its rule.
    if (text.empty())
        return rule ? worksheet_write_blank(sheet, r, c, format) : LXW_NO_ERROR;
    if (text.find("_x") != std::string::npos)
        return worksheet_write_string(sheet, r, c, KeepingEscapes(text).c_str(), format);
    return worksheet_write_string(sheet, r, c, text.c_str(), format);
}

lxw_error SheetWriter::Write(const SheetTable& table)
{
    lxw_worksheet* sheet = workbook_add_worksheet(m_Book, table.name.c_str());
    if (!sheet)
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    const size_t columns = table.columns.size();
    std::vector<SheetCell> cells(columns);
    std::vector<ColumnState> states(columns);
    std::vector<ColumnState*> unitsToFind(columns, nullptr);
    bool findUnits = false;
    for (size_t c = 0; c < columns; ++c) {
        states[c].cell = table.columns[c].cell;
        if (table.columns[c].cell == CellKind::Number && table.columns[c].unit.empty()) {
            unitsToFind[c] = &states[c];
            findUnits = true;
        }
    }
    if (findUnits)
        FindUnits(table, cells, unitsToFind);

    // The title row. Constant-memory mode writes each row once, in order.
    std::vector<std::string> titles(columns);
    bool twoLines = false;
    for (size_t c = 0; c < columns; ++c) {
        const std::string& given = table.columns[c].unit;
        const std::string& unit =
            given.empty() && !states[c].foundUnit.empty() ? "(" + states[c].foundUnit + ")" : given;
        titles[c] = TitleOf(table.columns[c], unit);
        twoLines = twoLines || !unit.empty();
    }
    lxw_error error = LXW_NO_ERROR;
    if (twoLines)
        error = worksheet_set_row(sheet, 0, TitleRowHeight, nullptr);
    Look titleLook;
    titleLook.title = true;
    lxw_format* titleFormat = FormatOf(titleLook);
    for (size_t c = 0; c < columns && error == LXW_NO_ERROR; ++c)
        error = worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), titles[c].c_str(), titleFormat);

    for (size_t row = 0; row < table.rowCount && error == LXW_NO_ERROR; ++row) {
        if (m_Progress && row % RowsPerProgress == 0 && !m_Progress(m_RowsDone + row, m_Rows)) {
            m_Cancelled = true;
            return LXW_NO_ERROR;
        }
        const bool rule = table.fillRow(row, cells);
        for (size_t c = 0; c < columns && error == LXW_NO_ERROR; ++c)
            error = WriteCell(sheet, row + 1, c, cells[c], rule, states[c]);
    }
    if (error != LXW_NO_ERROR)
        return error;
    m_RowsDone += table.rowCount;
    if (m_Progress && !m_Progress(m_RowsDone, m_Rows)) {
        m_Cancelled = true;
        return LXW_NO_ERROR;
    }

    for (size_t c = 0; c < columns; ++c) {
        size_t widest = states[c].widest;
        size_t start = 0;
        // Room for the filter's button beside the title's longest line.
        for (size_t end; (end = titles[c].find('\n', start)) != std::string::npos; start = end + 1)
            widest =
                std::max(widest, CharactersOf(std::string_view(titles[c]).substr(start, end - start)) + 2);
        widest = std::max(widest, CharactersOf(std::string_view(titles[c]).substr(start)) + 2);
        const double width = std::min(MaximumWidth, static_cast<double>(widest) * 1.1 + 2);
        const auto col = static_cast<lxw_col_t>(c);
        worksheet_set_column(sheet, col, col, width, nullptr);
    }
    const auto lastColumn = static_cast<lxw_col_t>(columns == 0 ? 0 : columns - 1);
    error = worksheet_autofilter(sheet, 0, 0, static_cast<lxw_row_t>(table.rowCount), lastColumn);
    if (error == LXW_NO_ERROR)
        worksheet_freeze_panes(sheet, 1, 0);
    return error;
}
