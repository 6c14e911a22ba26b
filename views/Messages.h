#pragma once

#include "data/FileLoading.h"
#include "data/FileNames.h"
#include "platform/files/WriteResult.h"

#include <QString>

class QWidget;

// Where the results of reading and writing files become what the user sees.
// Every message box of the view goes through here.

enum class OpenedFrom
{
    OpenDialog,       // File > Open on a tab
    CommandLineOrDrop // given on the command line or dropped on the window
};

// Nothing for a loaded file. A file the user picked in a tab's Open dialog
// that cannot be read is passed over in silence; any other file the tab does
// not load gets "File error!". A file from the command line or a drop gets
// "File error!" where its kind was known but it was refused, otherwise its
// name and the reason.
void ReportLoadOutcome(QWidget* owner, const LoadOutcome& outcome, const QString& path, OpenedFrom from);

// A CSV export that cannot open its file says "Please close the file first!"
// with no owner window and the system's reason as its detail; a full or
// failing disk names the file and the reason, as does any failed document.
void ReportCsvWriteResult(QWidget* owner, const WriteResult& result);
void ReportDocumentWriteResult(QWidget* owner, const WriteResult& result);

// A chosen name whose ending the extension rule of `kind` refuses: says which
// ending the file needs.
void ReportRefusedEnding(QWidget* owner, OutputKind kind);

// A report that the printer would not take.
void ReportPrintFailure(QWidget* owner);

// Asks before replacing `path`; true when the user agrees.
bool ConfirmReplace(QWidget* owner, const QString& path);

// "This will stop the AutoTrace,Do you continue?"; true on Yes.
bool ConfirmStopAutoTrace(QWidget* owner);
