#pragma once

#include "AutoTraceControl.h"

#include <QWidget>

// Stands in for the AUTOTRACE page: reports a running trace on demand and
// counts what the view asks of it.
struct FakeAutoTraceState
{
    bool traceStarted = false;
    int stops = 0;
    int pollTimerStops = 0;
    QRect chartRect;
};

class FakeAutoTrace : public AutoTraceControl
{
public:
    FakeAutoTrace(FakeAutoTraceState& state, QWidget* parent) : m_State(state), m_Page(new QWidget(parent)) {}

    QWidget* Page() override { return m_Page; }
    bool IsTraceStarted() const override { return m_State.traceStarted; }
    void Stop() override
    {
        ++m_State.stops;
        m_State.traceStarted = false;
    }
    void StopPollTimer() override { ++m_State.pollTimerStops; }
    void SetChartRect(const QRect& rect) override { m_State.chartRect = rect; }
    bool FitsIn(const QSize&, const QRect&) const override { return true; }

private:
    FakeAutoTraceState& m_State;
    QWidget* m_Page;
};

inline AutoTraceFactory FakeAutoTraceFactory(FakeAutoTraceState& state)
{
    return [&state](QWidget* parent) -> std::unique_ptr<AutoTraceControl> {
        return std::make_unique<FakeAutoTrace>(state, parent);
    };
}
