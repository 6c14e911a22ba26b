#include "trace/LiveBenchPanel.h"

#include "link/CLiveTrace.h"
#include "link/CsvTraceLog.h"
#include "link/LocalTime.h"
#include "link/TraceText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>

#include <utility>

namespace {
constexpr int Spacing = 4;
const QColor Amber(255, 191, 0);
const QColor AlarmRed(220, 0, 0);

QString Figure(const std::optional<double>& value)
{
    return QString::fromStdString(FigureText(value));
}

QString Clock(const LocalDateTime& time)
{
    return QString::fromStdString(TimeOfDayText(time));
}

QString ElapsedText(int64_t ms)
{
    const int64_t s = ms / 1000;
    return QString::asprintf("%lld:%02lld:%02lld", static_cast<long long>(s / 3600),
                             static_cast<long long>(s / 60 % 60), static_cast<long long>(s % 60));
}

template <typename Widget> Widget* Tipped(Widget* widget, const QString& tip)
{
    widget->setToolTip(tip);
    widget->setStatusTip(tip);
    return widget;
}

QGridLayout* Grid(QWidget* tab)
{
    auto* grid = new QGridLayout(tab);
    grid->setContentsMargins(Spacing, Spacing, Spacing, Spacing);
    grid->setSpacing(Spacing);
    return grid;
}

QDoubleSpinBox* LimitBox(QWidget* parent, double minimum, double maximum, double value)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setDecimals(2);
    box->setRange(minimum, maximum);
    box->setSingleStep(0.1);
    box->setValue(value);
    return box;
}

void SetTextIfNew(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}
} // namespace

LiveBenchPanel::LiveBenchPanel(CLiveTrace& trace, QWidget* parent) : QWidget(parent), m_Trace(trace)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_Tabs = new QTabWidget(this);
    m_Tabs->setDocumentMode(true);
    // Every tab in sight: the page keeps the bench as wide as its tabs.
    m_Tabs->setUsesScrollButtons(false);
    layout->addWidget(m_Tabs);
    m_Tabs->addTab(ReadingTab(), tr("Reading"));
    m_Tabs->addTab(StatisticsTab(), tr("Statistics"));
    m_Tabs->addTab(AlarmsTab(), tr("Alarms"));
    m_Tabs->addTab(RunTab(), tr("Stability Run"));
    Refresh();
}

QWidget* LiveBenchPanel::ReadingTab()
{
    auto* tab = new QWidget(this);
    QGridLayout* grid = Grid(tab);
    m_Power = new QLabel(tab);
    m_Power->setAutoFillBackground(true);
    m_Power->setMargin(2);
    QFont large = m_Power->font();
    large.setPointSizeF(large.pointSizeF() * 1.4);
    large.setBold(true);
    m_Power->setFont(large);
    m_Loss = new QLabel(tab);
    m_Loss->setFont(large);
    m_Reference = new QLabel(tab);
    m_Reference->setWordWrap(true);
    grid->addWidget(new QLabel(tr("Power (dBm):"), tab), 0, 0);
    grid->addWidget(m_Power, 0, 1);
    grid->addWidget(new QLabel(tr("Loss (dB):"), tab), 0, 2);
    grid->addWidget(m_Loss, 0, 3);
    grid->addWidget(new QLabel(tr("Reference (dBm):"), tab), 1, 0);
    grid->addWidget(m_Reference, 1, 1, 1, 3);
    m_SetReference = Tipped(new QPushButton(tr("Set Reference"), tab),
                            tr("Takes the current reading as the reference of its wavelength: the loss is "
                               "then measured from it"));
    m_UseInstrument = Tipped(new QPushButton(tr("Instrument's Reference"), tab),
                             tr("Measures the loss of this wavelength against the instrument's reference "
                                "again"));
    grid->addWidget(m_SetReference, 2, 0, 1, 2);
    grid->addWidget(m_UseInstrument, 2, 2, 1, 2);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    connect(
        m_SetReference, &QPushButton::clicked, this, [this] { m_Trace.SetReference(); });
    connect(m_UseInstrument, &QPushButton::clicked, this, [this] { m_Trace.UseInstrumentReference(); });
    return tab;
}

QWidget* LiveBenchPanel::StatisticsTab()
{
    auto* tab = new QWidget(this);
    QGridLayout* grid = Grid(tab);
    m_StatisticsTitle = new QLabel(tab);
    auto* reset = Tipped(new QPushButton(tr("Reset Statistics"), tab),
                         tr("Starts the statistics of every wavelength again from the next reading"));
    grid->addWidget(m_StatisticsTitle, 0, 0);
    grid->addWidget(reset, 0, 1, Qt::AlignRight);
    const std::pair<const char*, QLabel**> figures[] = {
        {QT_TR_NOOP("Readings:"), &m_Count},
        {QT_TR_NOOP("Minimum (dBm):"), &m_Minimum},
        {QT_TR_NOOP("Maximum (dBm):"), &m_Maximum},
        {QT_TR_NOOP("Average (dBm):"), &m_Average},
        {QT_TR_NOOP("Std. deviation (dB):"), &m_StdDeviation},
        {QT_TR_NOOP("Max - min (dB):"), &m_Span},
    };
    // As wide as the widest figure, so that the bench keeps room for it.
    const int valueWidth = fontMetrics().horizontalAdvance(tr("%1 at %2").arg("-88.88", "23:59:59"));
    for (size_t i = 0; i < std::size(figures); ++i) {
        const int row = 1 + static_cast<int>(i);
        *figures[i].second = new QLabel(tab);
        (*figures[i].second)->setMinimumWidth(valueWidth);
        grid->addWidget(new QLabel(tr(figures[i].first), tab), row, 0);
        grid->addWidget(*figures[i].second, row, 1);
    }
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(1, 1);
    connect(reset, &QPushButton::clicked, this, [this] { m_Trace.ResetStatistics(); });
    return tab;
}

QWidget* LiveBenchPanel::AlarmsTab()
{
    auto* tab = new QWidget(this);
    QGridLayout* grid = Grid(tab);
    m_AlarmTitle = new QLabel(tab);
    m_LowOn = Tipped(new QCheckBox(tr("Low limit (dBm)"), tab),
                     tr("A reading of this wavelength below the low limit shows amber"));
    m_Low =
        Tipped(LimitBox(tab, -80.0, 29.0, -30.0), tr("The lowest power of this wavelength without an alarm"));
    m_HighOn = Tipped(new QCheckBox(tr("High limit (dBm)"), tab),
                      tr("A reading of this wavelength above the high limit shows red"));
    m_High =
        Tipped(LimitBox(tab, -80.0, 29.0, 0.0), tr("The highest power of this wavelength without an alarm"));
    m_Sound = Tipped(new QCheckBox(tr("Sound when an alarm begins"), tab),
                     tr("Beeps once each time a reading goes beyond a limit"));
    grid->addWidget(m_AlarmTitle, 0, 0, 1, 2);
    grid->addWidget(m_LowOn, 1, 0);
    grid->addWidget(m_Low, 1, 1);
    grid->addWidget(m_HighOn, 2, 0);
    grid->addWidget(m_High, 2, 1);
    grid->addWidget(m_Sound, 3, 0, 1, 2);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(2, 1);
    for (QCheckBox* box : {m_LowOn, m_HighOn})
        connect(box, &QCheckBox::toggled, this, &LiveBenchPanel::ApplyAlarmLimits);
    for (QDoubleSpinBox* box : {m_Low, m_High})
        connect(box, &QDoubleSpinBox::valueChanged, this, &LiveBenchPanel::ApplyAlarmLimits);
    return tab;
}

QWidget* LiveBenchPanel::RunTab()
{
    auto* tab = new QWidget(this);
    QGridLayout* grid = Grid(tab);
    m_Duration = Tipped(new QSpinBox(tab), tr("How long the run lasts, from a minute to a day"));
    m_Duration->setRange(StabilitySettings::MinDurationS / 60, StabilitySettings::MaxDurationS / 60);
    m_Duration->setValue(15);
    m_Duration->setSuffix(tr(" min"));
    m_Interval = Tipped(new QSpinBox(tab), tr("The run keeps one reading each interval, up to ten minutes"));
    m_Interval->setRange(0, StabilitySettings::MaxIntervalS);
    m_Interval->setSpecialValueText(tr("every reading"));
    m_Interval->setSuffix(tr(" s"));
    m_ToleranceOn = Tipped(new QCheckBox(tr("Tolerance (dB)"), tab),
                           tr("The run passes when its max - min is within the tolerance"));
    m_Tolerance = Tipped(LimitBox(tab, 0.01, 10.0, 0.20), tr("The most the power may vary for a pass"));
    m_Tolerance->setSingleStep(0.01);
    m_Chart =
        Tipped(new QComboBox(tab), tr("What the chart shows; over a whole trace or run, the mouse wheel "
                                      "zooms the time, dragging moves it, a double click shows it all"));
    m_Chart->addItems({tr("Last 2 minutes"), tr("Whole trace"), tr("Stability run")});
    m_StartRun =
        Tipped(new QPushButton(tr("Start Run"), tab), tr("Starts a stability run over the coming readings"));
    m_StopRun = Tipped(new QPushButton(tr("Stop Run"), tab), tr("Ends the stability run before its time"));
    m_RunState = new QLabel(tab);
    m_RunState->setWordWrap(true);
    m_SaveCertificate = Tipped(new QPushButton(tr("Certificate..."), tab),
                               tr("Saves the last run's result as a one-page PDF certificate"));
    m_PrintCertificate =
        Tipped(new QPushButton(tr("Print..."), tab), tr("Prints the last run's certificate"));
    m_ExportTrace = Tipped(new QPushButton(tr("Save as .trace..."), tab),
                           tr("Saves the chart's readings of the current wavelength as a trace document, "
                              "which the TRACE tab opens"));
    grid->addWidget(new QLabel(tr("Duration:"), tab), 0, 0);
    grid->addWidget(m_Duration, 0, 1);
    grid->addWidget(new QLabel(tr("Interval:"), tab), 0, 2);
    grid->addWidget(m_Interval, 0, 3);
    grid->addWidget(m_ToleranceOn, 1, 0);
    grid->addWidget(m_Tolerance, 1, 1);
    grid->addWidget(new QLabel(tr("Chart:"), tab), 1, 2);
    grid->addWidget(m_Chart, 1, 3);
    grid->addWidget(m_StartRun, 2, 0);
    grid->addWidget(m_StopRun, 2, 1);
    grid->addWidget(m_RunState, 2, 2, 2, 2);
    auto* files = new QHBoxLayout;
    files->setSpacing(Spacing);
    for (QPushButton* button : {m_SaveCertificate, m_PrintCertificate, m_ExportTrace})
        files->addWidget(button);
    grid->addLayout(files, 4, 0, 1, 4);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(3, 1);
    connect(m_Chart, &QComboBox::currentIndexChanged, this, &LiveBenchPanel::ChartModeChanged);
    connect(m_StartRun, &QPushButton::clicked, this, &LiveBenchPanel::StartRunPressed);
    connect(
        m_StopRun, &QPushButton::clicked, this, [this] { m_Trace.StopRun(); });
    connect(
        m_SaveCertificate, &QPushButton::clicked, this, [this] { emit CertificatePressed(false); });
    connect(m_PrintCertificate, &QPushButton::clicked, this, [this] { emit CertificatePressed(true); });
    connect(m_ExportTrace, &QPushButton::clicked, this, &LiveBenchPanel::ExportTracePressed);
    return tab;
}

LiveChartMode LiveBenchPanel::ChartMode() const
{
    return static_cast<LiveChartMode>(m_Chart->currentIndex());
}

StabilitySettings LiveBenchPanel::RunSettings() const
{
    StabilitySettings settings;
    settings.durationS = m_Duration->value() * 60;
    settings.intervalS = m_Interval->value();
    if (m_ToleranceOn->isChecked())
        settings.toleranceDb = m_Tolerance->value();
    return settings;
}

bool LiveBenchPanel::SoundOnAlarm() const
{
    return m_Sound->isChecked();
}

void LiveBenchPanel::Refresh()
{
    ShowReading();
    ShowStatistics();
    ShowAlarmLimits();
    ShowRun();
}

QString LiveBenchPanel::AlarmText() const
{
    const std::optional<TimedReading>& reading = m_Trace.LastReading();
    if (!reading || m_Trace.Alarm() == AlarmLevel::None)
        return {};
    const AlarmLimits limits = m_Trace.Alarms().Of(reading->wavelength);
    const QString power = QString::fromStdString(PowerText(reading->power));
    if (m_Trace.Alarm() == AlarmLevel::BelowLow)
        return tr("Alarm: the reading at %1 nm, %2 dBm, is below the low limit of %3 dBm")
            .arg(reading->wavelength)
            .arg(power, Figure(limits.low));
    return tr("Alarm: the reading at %1 nm, %2 dBm, is above the high limit of %3 dBm")
        .arg(reading->wavelength)
        .arg(power, Figure(limits.high));
}

void LiveBenchPanel::ShowReading()
{
    const std::optional<TimedReading>& reading = m_Trace.LastReading();
    m_SetReference->setEnabled(reading && reading->state == ReadingState::Ok);
    m_UseInstrument->setEnabled(reading && m_Trace.References().Of(reading->wavelength) &&
                                m_Trace.References().Of(reading->wavelength)->source ==
                                    ReferenceSource::Page);
    QPalette palette = this->palette();
    if (m_Trace.Alarm() == AlarmLevel::BelowLow) {
        palette.setColor(QPalette::Window, Amber);
    } else if (m_Trace.Alarm() == AlarmLevel::AboveHigh) {
        palette.setColor(QPalette::Window, AlarmRed);
        palette.setColor(QPalette::WindowText, Qt::white);
    }
    m_Power->setPalette(palette);
    m_Power->setToolTip(AlarmText());
    if (!reading) {
        SetTextIfNew(m_Power, tr("none yet"));
        SetTextIfNew(m_Loss, QString());
        SetTextIfNew(m_Reference, QString());
        return;
    }
    const ReadingState state = reading->state;
    const QString power = QString::fromStdString(PowerText(reading->power));
    SetTextIfNew(m_Power, state == ReadingState::Low    ? tr("Low (below the range)")
                          : state == ReadingState::High ? tr("High (saturated)")
                                                        : power);
    SetTextIfNew(m_Loss, Figure(m_Trace.References().LossOf(*reading)));
    const std::optional<Reference> reference = m_Trace.References().Of(reading->wavelength);
    QString text;
    if (reference && reference->source == ReferenceSource::Page) {
        const int64_t age = std::max<int64_t>(0, MillisecondsBetween(reference->setAt, m_Trace.Now()) / 1000);
        const QString ago = age < 60      ? tr("%1 s ago").arg(age)
                            : age < 3600  ? tr("%1 min ago").arg(age / 60)
                            : age < 86400 ? tr("%1 h %2 min ago").arg(age / 3600).arg(age / 60 % 60)
                                          : tr("%1 d ago").arg(age / 86400);
        text = tr("%1 at %2 nm, set %3 (%4)")
                   .arg(Figure(reference->dBm))
                   .arg(reading->wavelength)
                   .arg(Clock(reference->setAt), ago);
    } else if (reference) {
        text = tr("%1 at %2 nm, the instrument's").arg(Figure(reference->dBm)).arg(reading->wavelength);
    }
    SetTextIfNew(m_Reference, text);
}

void LiveBenchPanel::ShowStatistics()
{
    const std::optional<TimedReading>& reading = m_Trace.LastReading();
    const CReadingStatistics* statistics = reading ? m_Trace.Statistics().Of(reading->wavelength) : nullptr;
    const auto at = [this](const std::optional<CReadingStatistics::Extreme>& extreme) {
        return extreme ? tr("%1 at %2").arg(Figure(extreme->power), Clock(m_Trace.TimeOf(extreme->atMs)))
                       : Figure(std::nullopt);
    };
    if (!statistics) {
        SetTextIfNew(m_StatisticsTitle, reading
                                            ? tr("At %1 nm: none since the reset").arg(reading->wavelength)
                                            : tr("No reading yet"));
        for (QLabel* label : {m_Count, m_Minimum, m_Average, m_Maximum, m_StdDeviation, m_Span})
            SetTextIfNew(label, QString());
        return;
    }
    SetTextIfNew(
        m_StatisticsTitle,
        tr("At %1 nm since %2").arg(reading->wavelength).arg(Clock(m_Trace.TimeOf(*statistics->FirstMs()))));
    SetTextIfNew(m_Count, tr("%1 (Low %2, High %3)")
                              .arg(statistics->Count())
                              .arg(statistics->LowCount())
                              .arg(statistics->HighCount()));
    SetTextIfNew(m_Minimum, at(statistics->Minimum()));
    SetTextIfNew(m_Maximum, at(statistics->Maximum()));
    SetTextIfNew(m_Average, Figure(statistics->Average()));
    SetTextIfNew(m_StdDeviation, Figure(statistics->StdDeviation()));
    SetTextIfNew(m_Span, Figure(statistics->Span()));
}

void LiveBenchPanel::ShowAlarmLimits()
{
    const std::optional<TimedReading>& reading = m_Trace.LastReading();
    const bool known = reading.has_value();
    for (QWidget* control : std::initializer_list<QWidget*>{m_LowOn, m_Low, m_HighOn, m_High})
        control->setEnabled(known);
    if (!known) {
        SetTextIfNew(m_AlarmTitle, tr("Limits of the wavelength read: none read yet"));
        return;
    }
    if (reading->wavelength == m_AlarmWavelength)
        return;
    m_AlarmWavelength = reading->wavelength;
    SetTextIfNew(m_AlarmTitle, tr("Limits at %1 nm").arg(m_AlarmWavelength));
    const AlarmLimits limits = m_Trace.Alarms().Of(m_AlarmWavelength);
    const QSignalBlocker lowOn(m_LowOn), low(m_Low), highOn(m_HighOn), high(m_High);
    m_LowOn->setChecked(limits.low.has_value());
    m_HighOn->setChecked(limits.high.has_value());
    if (limits.low)
        m_Low->setValue(*limits.low);
    if (limits.high)
        m_High->setValue(*limits.high);
}

void LiveBenchPanel::ApplyAlarmLimits()
{
    if (m_AlarmWavelength == 0)
        return;
    AlarmLimits limits;
    if (m_LowOn->isChecked())
        limits.low = static_cast<float>(m_Low->value());
    if (m_HighOn->isChecked())
        limits.high = static_cast<float>(m_High->value());
    m_Trace.SetAlarmLimits(m_AlarmWavelength, limits);
}

void LiveBenchPanel::ShowRun()
{
    const CStabilityRun* run = m_Trace.Run();
    const bool running = run && !run->IsOver();
    m_StartRun->setEnabled(m_Trace.TraceStarted() && !running);
    m_StopRun->setEnabled(running);
    for (QWidget* setting :
         std::initializer_list<QWidget*>{m_Duration, m_Interval, m_ToleranceOn, m_Tolerance})
        setting->setEnabled(!running);
    const bool ended = run && run->IsOver();
    m_SaveCertificate->setEnabled(ended);
    m_PrintCertificate->setEnabled(ended);
    m_ExportTrace->setEnabled(m_Trace.LastReading().has_value());
    if (!run) {
        SetTextIfNew(m_RunState,
                     m_Trace.TraceStarted() ? tr("No run yet.") : tr("Trace first, then start a run."));
        return;
    }
    if (running) {
        const int64_t elapsed = m_Trace.ElapsedMs() - run->StartMs();
        SetTextIfNew(m_RunState, tr("Running: %1 of %2, %3 readings kept")
                                     .arg(ElapsedText(elapsed), ElapsedText(run->EndMs() - run->StartMs()))
                                     .arg(run->Readings().size()));
        return;
    }
    QStringList parts;
    for (const StabilityResult& result : run->Results())
        parts << tr("%1 nm: max - min %2 dB, drift %3 dB")
                     .arg(result.wavelength)
                     .arg(Figure(result.statistics.Span()), Figure(result.drift));
    const StabilityVerdict verdict = run->Verdict();
    const QString word = verdict == StabilityVerdict::Pass         ? tr("Pass")
                         : verdict == StabilityVerdict::Fail       ? tr("Fail")
                         : verdict == StabilityVerdict::Incomplete ? tr("Incomplete")
                                                                   : tr("Ended");
    SetTextIfNew(m_RunState,
                 word + QStringLiteral(": ") + (parts.isEmpty() ? tr("no reading") : parts.join("; ")));
}
