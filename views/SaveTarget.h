#pragma once

#include "data/FileNames.h"

#include <QString>

#include <optional>
#include <string>

class QWidget;

// The save dialog of an export or a document: asks for a name with `filter`
// (asking before replacing the chosen file), starting in the folder last used
// for `kind`, and applies the extension rule of `kind`. A name the rule
// refuses is told and the dialog comes back with it. When the rule appended
// the extension to a name that now names an existing file, asks before
// replacing that one too, and a No brings the dialog back. Returns the path
// to write, or nothing when the user cancelled.
std::optional<std::string> ChooseSaveTarget(QWidget* owner, const QString& filter, OutputKind kind);
