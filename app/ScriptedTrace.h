#pragma once

#include <functional>

class CKAVView;

// For demonstrations and tests without anybody at the screen: selects the
// AUTOTRACE tab, presses Trace and "Start to Save" as a user would, presses
// Stop after `seconds`, then calls `done`.
void RunScriptedTrace(CKAVView& view, int seconds, std::function<void()> done);
