#pragma once

#include <QString>

struct LiveStatus;

// The status line of the live trace in words: what it is doing (Running,
// Stopped, Waiting for the instrument, No instrument found) and why, in the
// window's language.
QString LiveStatusText(const LiveStatus& status);
