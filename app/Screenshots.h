#pragma once

#include <QString>

class CMainFrame;

// Renders the main window at its design size on each of the five tabs into
// DIR/<tab>.png (opm.png, kav.png, trace.png, autotrace.png, orl.png).
// Returns false and says why on the error output when a picture could not be
// written.
bool SaveTabScreenshots(CMainFrame& frame, const QString& dir);
