#pragma once

#include "link/ReportDecoder.h"

// What the link tells the trace it serves.
class LinkListener
{
public:
    virtual ~LinkListener() = default;
    virtual void OnReading(const InstrumentReading& reading) = 0; // every report with data
    virtual void OnInstrumentLost() = 0;                          // the watchdog found the instrument gone
    virtual void OnSilence() = 0; // SilentPolls poll ticks of a trace passed without a report
};
