#pragma once

#include "data/CDataStore.h"
#include "data/FileKind.h"
#include "data/TestLimits.h"
#include "platform/files/WriteResult.h"
#include "workbook/SheetTable.h"

#include <optional>
#include <string>
#include <vector>

// The workbook of a tab's table, for a spreadsheet: the OPM or ORL list, or
// the loss-test table with the sheets "Verdicts" and "Summary" of its
// certification. Its document properties name the table, the file it was
// read from and the program.

struct WorkbookSource
{
    std::string fileName; // the file the records were read from, without its folder
    TestLimits limits;    // what loss tests are certified against
};

// OPM, KAV and ORL have a table; a recorded trace has none.
bool HasWorkbook(RecordKind kind);

struct WorkbookOutcome
{
    std::optional<std::string> bytes;
    std::string error;                  // why there are none
    IoStatus status = IoStatus::Failed; // NoSpace: the temporary folder's disk is full
};

WorkbookOutcome WorkbookBytes(const CDataStore& store, RecordKind kind, const WorkbookSource& source);

// A workbook of the sheets, in order, whose properties name it `title`
// about `subject`.
WorkbookOutcome WorkbookOfSheets(const std::string& title, const std::string& subject,
                                 const std::vector<SheetTable>& sheets);

// Writes the workbook to `path` as given (the dialogs apply the extension
// rule first) through the safe write: a workbook that cannot be made is a
// failed write, and the earlier file stays.
WriteResult ExportWorkbook(const std::string& path, const CDataStore& store, RecordKind kind,
                           const WorkbookSource& source);
