#pragma once

// Whether a window can be opened at all. Without a display Qt ends the
// process with an abort, so the program checks first and says how to run
// without one. Qt's -platform option or QT_QPA_PLATFORM name a platform of
// their own (such as offscreen), which needs no display.
bool DisplayAvailable(int argc, char* argv[]);
