#pragma once

#include <QString>

class CMainFrame;

// Renders the main window at its design size on each of the five tabs into
// DIR/<tab>.png (opm.png, kav.png, trace.png, autotrace.png, orl.png).
// Each picture replaces an old one whole, or leaves it as it was (a full
// disk); a pipe or a device under a picture's name is not written. Returns
// false and says why, one line per picture, on the error output when a
// picture could not be written.
bool SaveTabScreenshots(CMainFrame& frame, const QString& dir);
