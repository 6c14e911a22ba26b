#pragma once

// What the cells of a table's column hold, for the outputs that keep each
// value's type (the workbook) where the CSV export and the screen show text.
enum class CellKind
{
    Text,   // shown as it stands
    Number, // a number as the table writes it, perhaps followed by its unit
            // ("0.60", "1310nm", "-9.58dBm"); a cell that holds none ("N/A",
            // "too low") is text
    Date,   // "YYYY-MM-DD"
    Time,   // "hh:mm:ss"
};
