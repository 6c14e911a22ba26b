#pragma once

#include "data/CDataStore.h"
#include "data/FileKind.h"
#include "data/TestLimits.h"
#include "platform/files/WriteResult.h"
#include "workbook/SheetTable.h"

#include <cstddef>
#include <functional>
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
    bool cancelled = false;             // the progress stopped it
};

// Told now and then while the sheets are written: the rows written and the
// rows of every sheet. False stops the workbook, which then leaves nothing.
using RowProgress = std::function<bool(size_t done, size_t total)>;

WorkbookOutcome WorkbookBytes(const CDataStore& store, RecordKind kind, const WorkbookSource& source,
                              const RowProgress& progress = {});

// A workbook of the sheets, in order, whose properties name it `title`
// about `subject`.
WorkbookOutcome WorkbookOfSheets(const std::string& title, const std::string& subject,
                                 const std::vector<SheetTable>& sheets, const RowProgress& progress = {});

// Writes a workbook made to `path` as given (the dialogs apply the extension
// rule first) through the safe write: a workbook that could not be made is a
// failed write, and the earlier file stays.
WriteResult WriteWorkbook(const std::string& path, const WorkbookOutcome& made);
WriteResult ExportWorkbook(const std::string& path, const CDataStore& store, RecordKind kind,
                           const WorkbookSource& source);
