#pragma once

#include <QString>

class ProgramSettings;

// The language the window speaks: the one chosen under Help > Language,
// else the system's. A choice takes effect at the next start, since every
// window, menu and page takes its texts as it is made.
namespace WindowLanguage {
// The chosen language's code; empty when the user chose none.
QString Chosen(const ProgramSettings& settings);
void Choose(ProgramSettings& settings, const QString& code);
// The chosen language, else the system's.
QString InEffect(const ProgramSettings& settings);
// Makes the application speak `code`: the program's translations from
// `folder` and Qt's own, for its standard dialogs and buttons. False when
// the program's translations were not found.
bool Install(const QString& code, const QString& folder);
// The language the last Install made the application speak; empty before
// one succeeded.
QString Installed();
} // namespace WindowLanguage
