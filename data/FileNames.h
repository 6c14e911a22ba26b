#pragma once

#include <optional>
#include <string>

// The kinds of file the program writes, with their accepted endings.
enum class OutputKind
{
    Csv,
    OpmDocument,
    OrlDocument,
    KavDocument,
    TraceDocument,
    Pdf,         // a printed report
    Workbook,    // a spreadsheet of the table
    Limits,      // a limit file
    ReportHeader // the loss-test report's header fields
};

// The extension rule of the save dialogs: a chosen name containing a dot must
// end exactly in the kind's extension in lower or upper case (".csv", ".CSV");
// a name without a dot gets the lower-case extension appended. Returns the
// path to write, or nothing when the name is refused.
std::optional<std::string> ApplyExtensionRule(const std::string& chosenPath, OutputKind kind);

// ".csv", ".opm", ".orl", ".kav", ".trace", ".pdf", ".xlsx", ".kavlimits", ".kavheader"
const char* ExtensionOf(OutputKind kind);
