#pragma once

#include "link/StabilityRun.h"

#include <QString>

#include <functional>

class CKAVView;

// For demonstrations and tests without anybody at the screen: selects the
// AUTOTRACE tab, presses Trace and "Start to Save" as a user would, presses
// Stop after `seconds`, then calls `done`.
void RunScriptedTrace(CKAVView& view, int seconds, std::function<void()> done);

// The exit statuses of a scripted stability run.
enum class StabilityExit : int
{
    Passed = 0,     // or had no tolerance to pass
    NotDone = 1,    // no trace could start, or the certificate could not be written
    Failed = 3,     // beyond its tolerance, or a reading out of the range
    Incomplete = 4, // cut short, or without a reading
};

// The same for a stability run: Trace, "Start to Save", a run with
// `settings`; once it ends, its certificate written to `certificate`, Stop,
// a line of the result on the standard output (or of the failure on the
// standard error), and `done` with the exit status.
void RunScriptedStability(CKAVView& view, const StabilitySettings& settings, const QString& certificate,
                          std::function<void(StabilityExit)> done);
