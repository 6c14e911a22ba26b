#pragma once

#include "data/TestLimits.h"

// The certification choices the window keeps from one run to the next, in
// the program's settings: the limit (as a limit file's JSON text, so that it
// reads back through the same checks as a file) and whether the KAV table
// shows the Limit, Margin and Result columns.

// The instrument's thresholds when nothing was remembered or the text no
// longer reads as a limit.
TestLimits RememberedLimits();
void RememberLimits(const TestLimits& limits);

bool RememberedLimitColumns(); // off when nothing was remembered
void RememberLimitColumns(bool shown);
