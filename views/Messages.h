#pragma once

#include "data/FileLoading.h"
#include "data/FileNames.h"
#include "platform/files/WriteResult.h"

#include <QString>

class QWidget;

// Where the results of reading and writing files become what the user sees.
// Every message box of the view goes through here.

// A loading notice in the window's language.
QString LoadNoticeText(const LoadNotice& notice);

// For a loaded file, the notice of a result file cut short, once the file is
// shown; for any other, "File error!" with its name and the reason (a pipe or
// a device is named as such) as detail.
void ReportLoadOutcome(QWidget* owner, const LoadOutcome& outcome, const QString& path);

// A CSV or workbook export that cannot open its file says "Please close the
// file first!" with no owner window and the system's reason as its detail; a
// full or failing disk names the file and the reason, as does any failed
// document.
void ReportExportWriteResult(QWidget* owner, const WriteResult& result);
void ReportDocumentWriteResult(QWidget* owner, const WriteResult& result);

// A chosen name whose ending the extension rule of `kind` refuses: says which
// ending the file needs.
void ReportRefusedEnding(QWidget* owner, OutputKind kind);

// A limit file that could not be read or was refused, with the reason
// (which names the key at fault).
void ReportLimitFileRefused(QWidget* owner, const QString& path, const QString& reason);
// Test Limits' fields hold no limit a limit file could hold; `reason` names
// the field.
void ReportLimitsRefused(QWidget* owner, const QString& reason);

// A report that the printer would not take.
void ReportPrintFailure(QWidget* owner);

// Asks before replacing `path`; true when the user agrees.
bool ConfirmReplace(QWidget* owner, const QString& path);

// Asks before the report header's fields are all emptied; true on Yes.
bool ConfirmClearHeader(QWidget* owner);

// "This will stop the AutoTrace,Do you continue?"; true on Yes.
bool ConfirmStopAutoTrace(QWidget* owner);
