#pragma once

#include "Results.h"

#include <QString>

class QWidget;

// Where the results of reading and writing files become what the user sees.
// Every message box of the view goes through here.

// "File error!" for a refused file; nothing for a file that cannot be opened
// when the user picked it in the open dialog (`silentWhenUnopened`),
// otherwise a message naming the file.
void ReportReadResult(QWidget* owner, DecodeResult result, const QString& path, bool silentWhenUnopened);

// A CSV export that cannot open its file says "Please close the file first!"
// with no owner window; any other failure names the file and the reason.
void ReportCsvWriteResult(QWidget* owner, const WriteResult& result);
void ReportDocumentWriteResult(QWidget* owner, const WriteResult& result);

// Asks before replacing `path`; true when the user agrees.
bool ConfirmReplace(QWidget* owner, const QString& path);

// "This will stop the AutoTrace,Do you continue?"; true on Yes.
bool ConfirmStopAutoTrace(QWidget* owner);

void ShowNotReadable(QWidget* owner, const QString& path);
void ShowNotRecognized(QWidget* owner, const QString& path);
