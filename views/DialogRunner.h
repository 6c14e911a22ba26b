#pragma once

#include <functional>

class QDialog;

// Runs a modal dialog and returns its result (QDialog::Accepted or Rejected).
// The program runs it for the user; tests install a runner that fills in the
// dialog and presses a button instead, and restore the default with nullptr.
int RunDialog(QDialog& dialog);
void SetDialogRunner(std::function<int(QDialog&)> runner);
