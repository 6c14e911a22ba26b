#pragma once

#include "link/AlarmLimits.h"
#include "link/StabilityRun.h"

#include <QWidget>

#include <functional>
#include <optional>

class CLiveTrace;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;

// What the chart of the AUTOTRACE page shows.
enum class LiveChartMode
{
    LastTwoMinutes, // the live chart of the last 239 readings
    WholeTrace,     // every reading since Trace
    StabilityRun,   // the readings of the last stability run
};

// The measuring bench beside the live chart, in tabs: the reading with its
// loss against the reference (set here or the instrument's), the statistics
// of its wavelength, the wavelength's alarm limits, and stability runs with
// their result, certificate and export. It shows what the live trace holds
// and hands it the user's commands; the trace itself decides everything.
class LiveBenchPanel : public QWidget
{
    Q_OBJECT

public:
    // `certificate` prints (true) or saves the last run's certificate;
    // `exportTrace` saves the chart's readings as a trace document.
    LiveBenchPanel(CLiveTrace& trace, QWidget* parent);

    // Shows the trace's figures as they are now.
    void Refresh();

    LiveChartMode ChartMode() const;
    StabilitySettings RunSettings() const;
    bool SoundOnAlarm() const;

    // The text shown for an alarm of the last reading, empty without one.
    QString AlarmText() const;

signals:
    void ChartModeChanged();
    void StartRunPressed();
    void CertificatePressed(bool print);
    void ExportTracePressed();

private:
    QWidget* ReadingTab();
    QWidget* StatisticsTab();
    QWidget* AlarmsTab();
    QWidget* RunTab();
    void ShowReading();
    void ShowStatistics();
    void ShowAlarmLimits();
    void ShowRun();
    void ApplyAlarmLimits();

    CLiveTrace& m_Trace;
    QTabWidget* m_Tabs;

    QLabel* m_Power;
    QLabel* m_Loss;
    QLabel* m_Reference;
    QPushButton* m_SetReference;
    QPushButton* m_UseInstrument;

    QLabel* m_StatisticsTitle;
    QLabel* m_Count;
    QLabel* m_Minimum;
    QLabel* m_Average;
    QLabel* m_Maximum;
    QLabel* m_StdDeviation;
    QLabel* m_Span;

    QLabel* m_AlarmTitle;
    QCheckBox* m_LowOn;
    QDoubleSpinBox* m_Low;
    QCheckBox* m_HighOn;
    QDoubleSpinBox* m_High;
    QCheckBox* m_Sound;
    uint16_t m_AlarmWavelength = 0; // whose limits the boxes show

    QSpinBox* m_Duration;
    QSpinBox* m_Interval;
    QCheckBox* m_ToleranceOn;
    QDoubleSpinBox* m_Tolerance;
    QComboBox* m_Chart;
    QPushButton* m_StartRun;
    QPushButton* m_StopRun;
    QLabel* m_RunState;
    QPushButton* m_SaveCertificate;
    QPushButton* m_PrintCertificate;
    QPushButton* m_ExportTrace;
};
