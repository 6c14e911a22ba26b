#pragma once

#include <string>

struct LiveStatus;

// What the live trace asks of the page that shows it.
class TraceUi
{
public:
    virtual ~TraceUi() = default;

    // A message box with an OK button; an empty caption means the
    // application's title. detail, when not empty, says why in a second,
    // smaller text under the message.
    virtual void ShowMessage(const std::string& text, const std::string& caption,
                             const std::string& detail) = 0;

    // The "Start to Save" button: enabled, and pressed in ("Saving...") or not.
    virtual void ShowSaveButton(bool enabled, bool checked) = 0;
    virtual void ShowSavePath(const std::string& path) = 0;

    virtual void RepaintChart() = 0; // after every report
    virtual void RepaintPage() = 0;  // a text changed or the series was emptied

    // The status line: what the trace is doing and why.
    virtual void ShowStatus(const LiveStatus& status) = 0;
    // A stability run ended: its result is ready.
    virtual void RunEnded() = 0;
};
