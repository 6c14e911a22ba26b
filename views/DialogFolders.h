#pragma once

#include "data/FileNames.h"

#include <QString>

// Each kind of file dialog opens in the folder where a file of its kind was
// last chosen, in this run or an earlier one (through the program's settings).

// The kind of the Open dialog of `tab`, and of the save dialog of `kind`.
QString OpenDialogKind(int tab);
QString SaveDialogKind(OutputKind kind);

// The folder last chosen in a dialog of `dialogKind`; empty before the first.
QString LastFolder(const QString& dialogKind);
// Remembers the folder of `chosenPath` for `dialogKind`.
void RememberFolder(const QString& dialogKind, const QString& chosenPath);
