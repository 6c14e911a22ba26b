#pragma once

#include <QRect>
#include <QWidget>

#include <memory>

class HidTransport;

// The page under the "AUTOTRACE" tab: the live-trace buttons and the chart of
// the instrument's power against its reference.
class CAutoTracePage : public QWidget
{
    Q_OBJECT

public:
    explicit CAutoTracePage(std::shared_ptr<HidTransport> transport, QWidget* parent = nullptr);
    ~CAutoTracePage() override;

    // What the view uses.
    bool IsTraceStarted() const;            // m_TraceStarted
    void Stop();                            // the Stop command
    void StopPollTimer();                   // on every change to another tab
    void SetChartRect(const QRect& rect);   // m_rcChart, replaced on every resize of the view

    // The buttons, pressed as a user would (for scripted runs such as --trace-for).
    void PressSavePath();
    void PressTrace();
    void PressStartToSave();
    void PressStop();

private:
    std::shared_ptr<HidTransport> m_Transport;
    QRect m_rcChart{QPoint(40, 10), QPoint(599, 549)};
    bool m_TraceStarted = false;
};
