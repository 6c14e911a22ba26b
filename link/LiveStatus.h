#pragma once

#include <cstdint>
#include <string>

// What the live trace is doing, for the page's status line, which says it
// in words: the state and why.
enum class LiveState : uint8_t
{
    Stopped,
    Running,
    Waiting,      // for the instrument to give a reading
    NoInstrument, // none was found
};

enum class LiveReason : uint8_t
{
    None,
    NotListed,    // no instrument of ours on USB
    CannotOpen,   // listed, but it could not be opened (detail: why)
    NoReadingYet, // asked, no answer yet
    NoAnswer,     // asked for three seconds without an answer
    WrongMode,    // it answers without a power reading: not in OPM mode
    Lost,         // it stopped answering and is gone
    StoppedByUser,
};

struct LiveStatus
{
    LiveState state = LiveState::Stopped;
    LiveReason reason = LiveReason::None;
    std::string detail;   // CannotOpen: the system's reason in words
    int64_t logged = 0;   // readings written to the logs since Trace
    bool saving = false;  // "Start to Save" is pressed in
    std::string logPath;  // the text log; the CSV log lies beside it
    int pollPeriodMs = 0; // how often a reading is asked for

    // The red hint "Please switch the unit to OPM mode" shows just then.
    bool WrongMode() const { return reason == LiveReason::WrongMode; }
};
