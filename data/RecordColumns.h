#pragma once

#include "data/CellKind.h"
#include "data/ColumnOrder.h"
#include "data/FieldText.h"
#include "data/Records.h"

#include <array>
#include <cstddef>
#include <string_view>

// The columns of the OPM and ORL tables, each described once for the list on
// its tab (which the decoder fills as it reads), the printed report, the CSV
// export and the workbook. They show the same fields, each in an order of its
// own; the CSV export leaves out the record's number. The list shares its
// width equally among its columns.

template <typename Record> struct RecordColumn
{
    // The text field shown; null for the record's number in its list, from 1.
    std::string_view (*field)(const Record& record);
    const char* listTitle;
    const char* reportTitle;
    int reportWidth;       // report units
    int reportPosition;    // 0 for the leftmost
    const char* csvHeader; // null: not exported (its position NotPlaced)
    int csvPosition;
    CellKind cell;
};

template <typename Record, size_t N> struct RecordColumns
{
    int reportLeft;                              // where the report's first column starts
    std::array<RecordColumn<Record>, N> columns; // in the list's order
};

// The text of the field `Member`, for a column's `field`.
template <typename> struct FieldOwner;
template <typename Record, typename Type> struct FieldOwner<Type Record::*>
{
    using type = Record;
};
template <auto Member> std::string_view Field(const typename FieldOwner<decltype(Member)>::type& record)
{
    return FieldView(record.*Member);
}

// The columns' indices by their place in `position` (the report's or the
// CSV export's).
template <typename Record, size_t N>
constexpr std::array<int, N> OrderOf(const RecordColumns<Record, N>& table,
                                     int RecordColumn<Record>::*position)
{
    return OrderOf(
        table.columns, [position](const RecordColumn<Record>& column) { return column.*position; });
}

template <typename Record, size_t N>
constexpr bool IsOrder(const RecordColumns<Record, N>& table, int RecordColumn<Record>::*position)
{
    return IsOrder(
        table.columns, [position](const RecordColumn<Record>& column) { return column.*position; });
}

// The list's column that shows `field`, or -1.
template <typename Record, size_t N>
int ListColumnOf(const RecordColumns<Record, N>& table, std::string_view (*field)(const Record&))
{
    for (size_t c = 0; c < N; ++c)
        if (table.columns[c].field == field)
            return static_cast<int>(c);
    return -1;
}

// Each row: the field; the list's title; the report's title, width and
// position; the CSV header and position; what its cells hold.
inline constexpr RecordColumns<OpmRecord, 8> OpmColumns{
    5,
    {{
        {nullptr, "Record", "Record", 50, 0, nullptr, NotPlaced, CellKind::Number},
        {Field<&OpmRecord::Cable>, "Cable", "Cable", 160, 1, "Cable", 0, CellKind::Text},
        {Field<&OpmRecord::Fiber>, "Fiber", "Fiber", 160, 2, "Fiber", 1, CellKind::Text},
        {Field<&OpmRecord::Power>, "Power", "Power", 90, 4, "Power", 4, CellKind::Number},
        {Field<&OpmRecord::Reference>, "Reference", "Reference", 90, 5, "Reference", 3, CellKind::Number},
        {Field<&OpmRecord::WaveLength>, "Wavelength", "WaveLength", 90, 3, "WaveLength", 2, CellKind::Number},
        {Field<&OpmRecord::Date>, "Date", "Date", 105, 6, "Date", 5, CellKind::Date},
        {Field<&OpmRecord::Time>, "Time", "Time", 100, 7, "Time", 6, CellKind::Time},
    }},
};

inline constexpr RecordColumns<OrlRecord, 7> OrlColumns{
    20,
    {{
        {nullptr, "Record", "Record", 55, 0, nullptr, NotPlaced, CellKind::Number},
        {Field<&OrlRecord::Cable>, "Cable", "Cable", 170, 1, "Cable", 0, CellKind::Text},
        {Field<&OrlRecord::Fiber>, "Fiber", "Fiber", 170, 2, "Fiber", 1, CellKind::Text},
        {Field<&OrlRecord::WaveLength>, "Wavelength", "WaveLength", 95, 3, "Wavelength(nm)", 2,
         CellKind::Number},
        {Field<&OrlRecord::OrlValue>, "ORL Value", "OrlPower", 95, 4, "ORL Value(dB)", 3, CellKind::Number},
        {Field<&OrlRecord::Date>, "Date", "Date", 120, 5, "Date", 4, CellKind::Date},
        {Field<&OrlRecord::Time>, "Time", "Time", 105, 6, "Time", 5, CellKind::Time},
    }},
};

static_assert(IsOrder(OpmColumns, &RecordColumn<OpmRecord>::reportPosition) &&
              IsOrder(OpmColumns, &RecordColumn<OpmRecord>::csvPosition));
static_assert(IsOrder(OrlColumns, &RecordColumn<OrlRecord>::reportPosition) &&
              IsOrder(OrlColumns, &RecordColumn<OrlRecord>::csvPosition));
