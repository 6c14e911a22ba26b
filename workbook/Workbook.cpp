#include "workbook/Workbook.h"

#include "ProgramIdentity.h"
#include "data/PrintableName.h"
#include "platform/AppTitle.h"
#include "platform/SourceDate.h"
#include "platform/files/SafeFileWriter.h"
#include "workbook/RecordSheets.h"
#include "workbook/SheetWriter.h"
#include "workbook/WorkbookFile.h"

#include <vector>

namespace {
const char* TitleOf(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Opm:
        return "OPM readings";
    case RecordKind::Kav:
        return "Loss tests";
    case RecordKind::Orl:
        return "ORL readings";
    case RecordKind::Trace:
        break;
    }
    return "";
}

void SetProperties(lxw_workbook* book, std::string title, std::string subject)
{
    std::string comments = std::string("Written by ") + MainCaption + " " + ProgramVersion;
    lxw_doc_properties properties{};
    properties.title = title.data();
    properties.subject = subject.data();
    properties.comments = comments.data();
    // Otherwise the library stamps the present moment.
    if (const std::optional<int64_t> seconds = SourceDateEpoch())
        properties.created = static_cast<time_t>(*seconds);
    workbook_set_properties(book, &properties);
}
} // namespace

bool HasWorkbook(RecordKind kind)
{
    return kind == RecordKind::Opm || kind == RecordKind::Kav || kind == RecordKind::Orl;
}

WorkbookOutcome WorkbookOfSheets(const std::string& title, const std::string& subject,
                                 const std::vector<SheetTable>& sheets, const RowProgress& progress)
{
    WorkbookOutcome outcome;
    WorkbookFile file;
    const auto failed = [&file, &outcome](const std::string& error) {
        file.Failed(error);
        outcome.error = file.Error();
        outcome.status = file.Full() ? IoStatus::NoSpace : IoStatus::Failed;
        return outcome;
    };
    if (!file.Book())
        return failed(file.Error());
    // The subject names a file, as XML can hold it.
    SetProperties(file.Book(), title, PrintableName(subject));
    size_t rows = 0;
    for (const SheetTable& sheet : sheets)
        rows += sheet.rowCount;
    SheetWriter writer(file.Book(), progress, rows);
    for (const SheetTable& sheet : sheets) {
        const lxw_error error = writer.Write(sheet);
        if (writer.Cancelled()) {
            outcome.cancelled = true;
            outcome.error = "cancelled";
            return outcome;
        }
        if (error != LXW_NO_ERROR)
            return failed(std::string("cannot write the sheet ") + sheet.name + ": " + lxw_strerror(error));
    }
    outcome.bytes = file.Finish();
    if (!outcome.bytes)
        return failed(file.Error());
    return outcome;
}

WorkbookOutcome WorkbookBytes(const CDataStore& store, RecordKind kind, const WorkbookSource& source,
                              const RowProgress& progress)
{
    if (!HasWorkbook(kind)) {
        WorkbookOutcome outcome;
        outcome.error = "a recorded trace has no table";
        return outcome;
    }
    // The file's name, in the properties and the summary, as XML can hold it.
    const std::string fileName = PrintableName(source.fileName);
    const LossTestVerdicts verdicts =
        kind == RecordKind::Kav ? CertifyLossTests(store, source.limits) : LossTestVerdicts();
    std::vector<SheetTable> sheets;
    if (kind == RecordKind::Opm)
        sheets.push_back(OpmSheet(store));
    else if (kind == RecordKind::Orl)
        sheets.push_back(OrlSheet(store));
    else
        sheets = {LossTestSheet(store, verdicts, source.limits), VerdictsSheet(store, verdicts),
                  SummarySheet(store, verdicts, source.limits, fileName)};
    return WorkbookOfSheets(TitleOf(kind), fileName, sheets, progress);
}

WriteResult WriteWorkbook(const std::string& path, const WorkbookOutcome& made)
{
    if (!made.bytes)
        return WriteResult{IoRefusal(made.status, made.error), path};
    return WriteFileSafely(path, *made.bytes);
}

WriteResult ExportWorkbook(const std::string& path, const CDataStore& store, RecordKind kind,
                           const WorkbookSource& source)
{
    return WriteWorkbook(path, WorkbookBytes(store, kind, source));
}
