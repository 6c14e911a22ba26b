#pragma once

#include "link/AlarmLimits.h"
#include "link/StabilityRun.h"
#include "link/TraceUi.h"
#include "report/ReportOptions.h"

#include <QRect>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class HidTransport;
class QLabel;
class QPushButton;
class QtLiveTrace;
class CLiveTrace;
class DrawContext;
class ElidedPathBox;
class LiveBenchPanel;
struct RunChartData;

// What the AUTOTRACE page is told about the program around it.
struct LiveBenchSetup
{
    std::string program = "kav"; // the program and its version, in the logs and certificates
    // The report's company, logo, footer and language, for certificates;
    // the defaults when empty.
    std::function<ReportOptions()> reportOptions;
};

// The page under the "AUTOTRACE" tab: the live-trace buttons and the chart of
// the instrument's power against its reference, a status line that says
// what the trace is doing, and the measuring bench (loss, statistics,
// alarms, stability runs). Creating it looks for the instrument once; the
// trace runs between Trace and Stop.
class CAutoTracePage : public QWidget, private TraceUi
{
    Q_OBJECT

public:
    explicit CAutoTracePage(std::shared_ptr<HidTransport> transport, QWidget* parent = nullptr,
                            LiveBenchSetup setup = {});
    ~CAutoTracePage() override;

    // What the view uses.
    bool IsTraceStarted() const; // m_TraceStarted
    void Stop();                 // the Stop command
    void StopPollTimer();        // on every change to another tab
    void
    SetChartRect(const QRect& rect); // m_rcChart (x, y, width, height), replaced on every resize of the view

    // The buttons, pressed as a user would (for scripted runs such as --trace-for).
    void PressSavePath();
    void PressTrace();
    void PressStartToSave();
    void PressStop();
    // A stability run with these settings, as Start Run starts it; false
    // while no trace runs.
    bool StartRun(const StabilitySettings& settings);
    // The last run's certificate as a PDF at `path`; the system's reason
    // when it could not be written.
    std::optional<std::string> SaveCertificate(const std::string& path) const;

    QRect ChartRect() const { return m_rcChart; }
    // Whether the page, `pageSize` large with its chart at `chart`, keeps its
    // buttons, path box, status line, bench and chart texts apart and within
    // it.
    bool FitsIn(const QSize& pageSize, const QRect& chart) const;
    QString SavePathText() const;
    QString StatusText() const;
    const CLiveTrace& Trace() const;
    LiveBenchPanel& Bench() { return *m_Bench; }
    // The chart as the page paints it.
    void PaintChart(DrawContext& dc) const;

signals:
    // After a report was taken in and the chart asked to repaint.
    void RepaintRequested();
    // A stability run ended; its result and certificate are ready.
    void RunFinished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void ShowMessage(const std::string& text, const std::string& caption, const std::string& detail) override;
    void ShowSaveButton(bool enabled, bool checked) override;
    void ShowSavePath(const std::string& path) override;
    void RepaintChart() override;
    void RepaintPage() override;
    void ShowStatus(const LiveStatus& status) override;
    void RunEnded() override;

    void OnSaveToggled(bool checked);
    void ShowAlarm();
    void ShowStatusBarMessage(const QString& text);
    void SaveOrPrintCertificate(bool print);
    void ExportTrace();

    // Where the status line and the bench go on a page of `pageSize` with
    // its chart at `chart`: in the room the buttons and the chart's texts
    // leave.
    struct BenchPlaces
    {
        QRect status;
        QRect bench;
    };
    BenchPlaces PlacesFor(const QSize& pageSize, const QRect& chart) const;
    void PlaceBench();

    // The whole trace or the run as the chart shows it, and the span of
    // time it covers; nothing in the live chart's mode.
    std::optional<RunChartData> RunData() const;
    bool ZoomableAt(const QPoint& point) const;
    void ZoomTime(double factor, int atX);

    QPushButton* m_SavePathButton;
    ElidedPathBox* m_PathBox;
    QPushButton* m_TraceButton;
    QPushButton* m_SaveButton;
    QPushButton* m_StopButton;
    QLabel* m_Status = nullptr;
    LiveBenchPanel* m_Bench = nullptr;
    QRect m_rcChart{40, 10, 560, 540};
    std::vector<QRect> m_ChildRects; // the page's rectangle at creation, then each control's
    LiveBenchSetup m_Setup;
    std::unique_ptr<QtLiveTrace> m_Live;
    AlarmLevel m_ShownAlarm = AlarmLevel::None;
    // The time window of the whole-trace and run charts; nothing: all of it.
    std::optional<std::pair<int64_t, int64_t>> m_TimeWindow;
    std::optional<int> m_DragX; // where a drag of the time window began
};
