#include "trace/CAutoTracePage.h"

#include "link/LocalTime.h"
#include "link/LogPath.h"
#include "link/qt/QtLiveTrace.h"
#include "platform/AppTitle.h"
#include "platform/draw/QPainterDrawContext.h"
#include "platform/draw/RecordingDrawContext.h"
#include "platform/ui/DialogUnits.h"
#include "platform/ui/ProgramSettings.h"
#include "platform/ui/Prompts.h"
#include "platform/ui/ProportionalResize.h"
#include "trace/ElidedPathBox.h"
#include "trace/LiveBenchFiles.h"
#include "trace/LiveBenchPanel.h"
#include "trace/LiveStatusText.h"
#include "trace/LiveTraceChart.h"
#include "trace/PageFit.h"
#include "trace/RunChart.h"
#include "trace/TraceChartAxes.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QWheelEvent>

#include <algorithm>
#include <utility>

namespace {
constexpr QSize FormSize(667, 395); // dialog units of the "System" 10 font
// Every control takes this size once the page is resized.
constexpr QSize ResizedControlSize(140, 40);
// The folder of the log, kept from one run to the next like the file dialogs'.
const QString LogFolderKey = QStringLiteral("Folders/LiveLog");
// The least room the status line needs: three lines of a sentence or two.
constexpr QSize StatusMinimum(180, 60);
// The shortest time window the zoom goes down to.
constexpr int64_t ShortestWindowMs = 2000;
constexpr double ZoomStep = 0.8;

// The order of the seed's controls among the page's children.
enum SeedControl : size_t
{
    SavePathControl,
    PathBoxControl,
    TraceControl,
    SaveControl,
    StopControl,
    SeedControls
};

// The readings at wavelengths in the order of their first readings.
std::vector<uint16_t> WavelengthsOf(const std::vector<TimedReading>& readings)
{
    std::vector<uint16_t> wavelengths;
    for (const TimedReading& reading : readings)
        if (std::find(wavelengths.begin(), wavelengths.end(), reading.wavelength) == wavelengths.end())
            wavelengths.push_back(reading.wavelength);
    return wavelengths;
}
} // namespace

CAutoTracePage::CAutoTracePage(std::shared_ptr<HidTransport> transport, QWidget* parent, LiveBenchSetup setup)
    : QWidget(parent), m_SavePathButton(new QPushButton(tr("SavePath"), this)),
      m_PathBox(new ElidedPathBox(this)), m_TraceButton(new QPushButton(tr("Trace"), this)),
      m_SaveButton(new QPushButton(tr("Start to Save"), this)),
      m_StopButton(new QPushButton(tr("Stop"), this)), m_Setup(std::move(setup))
{
    resize(System10Units.ToPixels(FormSize));
    m_SavePathButton->setGeometry(System10Units.ToPixels(QRect(413, 10, 33, 12)));
    m_PathBox->setGeometry(System10Units.ToPixels(QRect(506, 12, 43, 14)));
    m_TraceButton->setGeometry(System10Units.ToPixels(QRect(415, 42, 29, 13)));
    m_SaveButton->setGeometry(System10Units.ToPixels(QRect(415, 71, 29, 13)));
    m_StopButton->setGeometry(System10Units.ToPixels(QRect(415, 102, 29, 13)));
    const std::pair<QWidget*, const char*> tips[] = {
        {m_SavePathButton, QT_TR_NOOP("Chooses the folder the live readings are logged to")},
        {m_TraceButton, QT_TR_NOOP("Starts reading the instrument's power twice a second")},
        {m_SaveButton, QT_TR_NOOP("Logs the live readings to a file in the chosen folder")},
        {m_StopButton, QT_TR_NOOP("Stops reading the instrument")}};
    for (const auto& [widget, tip] : tips) {
        widget->setToolTip(tr(tip));
        widget->setStatusTip(tr(tip));
    }
    m_PathBox->setStatusTip(tr("The folder the live readings are logged to"));
    m_SaveButton->setCheckable(true);

    connect(m_SavePathButton, &QPushButton::clicked, this, &CAutoTracePage::PressSavePath);
    connect(m_TraceButton, &QPushButton::clicked, this, &CAutoTracePage::PressTrace);
    connect(m_SaveButton, &QPushButton::toggled, this, &CAutoTracePage::OnSaveToggled);
    connect(m_StopButton, &QPushButton::clicked, this, &CAutoTracePage::PressStop);

    // Recorded before the status line and the bench are made: those two are
    // placed in the room the controls and the chart leave, not in proportion.
    m_ChildRects = RecordChildRects(*this);
    m_Status = new QLabel(this);
    m_Status->setWordWrap(true);
    m_Status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_Live = std::make_unique<QtLiveTrace>(std::move(transport), static_cast<TraceUi&>(*this),
                                           DefaultLogPath(), m_Setup.program);
    m_Bench = new LiveBenchPanel(m_Live->Trace(), this);
    connect(
        m_Bench, &LiveBenchPanel::ChartModeChanged, this,
        [this] {
            m_TimeWindow.reset();
            update();
        });
    connect(m_Bench, &LiveBenchPanel::StartRunPressed, this, [this] { StartRun(m_Bench->RunSettings()); });
    connect(m_Bench, &LiveBenchPanel::CertificatePressed, this, &CAutoTracePage::SaveOrPrintCertificate);
    connect(m_Bench, &LiveBenchPanel::ExportTracePressed, this, &CAutoTracePage::ExportTrace);

    m_Live->Trace().Start();
    const QString lastFolder = ProgramSettings::Current().Value(LogFolderKey).toString();
    if (!lastFolder.isEmpty() && QDir(lastFolder).exists())
        m_Live->Trace().ChooseLogFolder(QDir::toNativeSeparators(lastFolder).toStdString());
    PlaceBench();
}

CAutoTracePage::~CAutoTracePage() = default;

bool CAutoTracePage::IsTraceStarted() const
{
    return m_Live->Trace().TraceStarted();
}

const CLiveTrace& CAutoTracePage::Trace() const
{
    return m_Live->Trace();
}

void CAutoTracePage::Stop()
{
    m_Live->Trace().Stop();
}

void CAutoTracePage::StopPollTimer()
{
    m_Live->Trace().StopPollTimer();
}

void CAutoTracePage::SetChartRect(const QRect& rect)
{
    m_rcChart = rect;
    PlaceBench();
    update();
}

QString CAutoTracePage::SavePathText() const
{
    return m_PathBox->Path();
}

QString CAutoTracePage::StatusText() const
{
    return m_Status->text();
}

CAutoTracePage::BenchPlaces CAutoTracePage::PlacesFor(const QSize& pageSize, const QRect& chart) const
{
    // The readings at their widest, and the hint that the wrong mode shows.
    LiveTraceChartData widest;
    widest.waveLength = QStringLiteral("1625");
    widest.reference = QStringLiteral("-88.88");
    widest.power = QStringLiteral("-88.88");
    widest.wrongMode = true;
    RecordingDrawContext drawn;
    PaintLiveTraceChart(drawn, chart, widest);
    const std::vector<QRect> texts = DrawnTextRects(drawn, fontMetrics());
    const std::vector<QRect> controls = ProportionalChildRects(m_ChildRects, pageSize, ResizedControlSize);
    const int spacing = 2 * PageSpacing;
    const auto clearOfTexts = [&](int left, int top, int bottom) {
        for (const QRect& text : texts)
            if (text.bottom() >= top && text.top() <= bottom)
                left = std::max(left, text.right() + 1 + spacing);
        return left;
    };
    // The lowest text beside the chart, above its time axis, is the hint.
    const int chartRight = chart.left() + chart.width();
    const int axis = chart.top() + chart.height();
    QRect hint;
    for (const QRect& text : texts)
        if (text.left() > chartRight && text.top() < axis && text.top() > hint.top())
            hint = text;
    const QRect& pathBox = controls[PathBoxControl];
    int buttonsRight = 0;
    for (size_t i : {SavePathControl, TraceControl, SaveControl, StopControl})
        buttonsRight = std::max(buttonsRight, controls[i].right() + 1);

    BenchPlaces places;
    const int statusTop = pathBox.bottom() + 1 + spacing;
    const int statusBottom = hint.top() - 1 - spacing;
    const int statusLeft = clearOfTexts(buttonsRight + spacing, statusTop, statusBottom);
    places.status =
        QRect(QPoint(statusLeft, statusTop), QPoint(pageSize.width() - 1 - spacing, statusBottom));
    const int benchTop = hint.bottom() + 1 + spacing;
    const int benchBottom = pageSize.height() - 1 - spacing;
    const int chartEnd = chart.left() + 5 + chart.width() + 40; // the time axis's arrow
    const int benchLeft = clearOfTexts(chartEnd + spacing, benchTop, benchBottom);
    places.bench = QRect(QPoint(benchLeft, benchTop), QPoint(pageSize.width() - 1 - spacing, benchBottom));
    return places;
}

void CAutoTracePage::PlaceBench()
{
    const BenchPlaces places = PlacesFor(size(), m_rcChart);
    m_Status->setGeometry(places.status);
    m_Bench->setGeometry(places.bench);
}

bool CAutoTracePage::FitsIn(const QSize& pageSize, const QRect& chart) const
{
    LiveTraceChartData widest;
    widest.waveLength = QStringLiteral("1625");
    widest.reference = QStringLiteral("-88.88");
    widest.power = QStringLiteral("-88.88");
    widest.wrongMode = true;
    RecordingDrawContext drawn;
    PaintLiveTraceChart(drawn, chart, widest);
    const BenchPlaces places = PlacesFor(pageSize, chart);
    const QSize benchMinimum = m_Bench->minimumSizeHint();
    if (places.status.width() < StatusMinimum.width() || places.status.height() < StatusMinimum.height() ||
        places.bench.width() < benchMinimum.width() || places.bench.height() < benchMinimum.height())
        return false;
    std::vector<QRect> controls = ProportionalChildRects(m_ChildRects, pageSize, ResizedControlSize);
    controls.push_back(places.status);
    controls.push_back(places.bench);
    return LaidApart(controls, DrawnTextRects(drawn, fontMetrics()), QRect(QPoint(0, 0), pageSize));
}

void CAutoTracePage::PressSavePath()
{
    const std::optional<QString> folder =
        Prompts::Current().PickFolder(this, tr("Please select the folder of save data"));
    std::optional<std::string> picked;
    if (folder && !folder->isEmpty()) {
        picked = QDir::toNativeSeparators(*folder).toStdString();
        ProgramSettings::Current().SetValue(LogFolderKey, *folder);
    }
    m_Live->Trace().ChooseLogFolder(picked);
}

void CAutoTracePage::PressTrace()
{
    m_Live->Trace().Trace();
}

void CAutoTracePage::PressStartToSave()
{
    if (m_SaveButton->isEnabled())
        m_SaveButton->toggle();
}

void CAutoTracePage::PressStop()
{
    Stop();
}

bool CAutoTracePage::StartRun(const StabilitySettings& settings)
{
    if (!m_Live->Trace().StartRun(settings))
        return false;
    m_TimeWindow.reset();
    return true;
}

void CAutoTracePage::OnSaveToggled(bool checked)
{
    m_Live->Trace().SetSaving(checked);
}

void CAutoTracePage::ShowMessage(const std::string& text, const std::string& caption,
                                 const std::string& detail)
{
    const auto translated = [](const std::string& said) {
        return said.empty() ? QString() : QCoreApplication::translate("LiveTrace", said.c_str());
    };
    Prompts::Current().Message(this, translated(text),
                               caption.empty() ? QString(ApplicationTitle) : QString::fromStdString(caption),
                               MessageButtons::Ok, MessageIcon::Warning, translated(detail));
}

void CAutoTracePage::ShowSaveButton(bool enabled, bool checked)
{
    const QSignalBlocker blocker(m_SaveButton);
    m_SaveButton->setEnabled(enabled);
    m_SaveButton->setChecked(checked);
    m_SaveButton->setText(checked ? tr("Saving...") : tr("Start to Save"));
}

void CAutoTracePage::ShowSavePath(const std::string& path)
{
    m_PathBox->SetPath(QString::fromStdString(path));
}

void CAutoTracePage::RepaintChart()
{
    // Not the chart rectangle alone: a paint draws only inside the area asked
    // for, and the current power printed beside the chart and the curve
    // clamped below it change with every report too.
    RepaintPage();
}

void CAutoTracePage::RepaintPage()
{
    m_Bench->Refresh();
    ShowAlarm();
    update(rect().adjusted(0, 0, 0, 20));
    emit RepaintRequested();
}

void CAutoTracePage::ShowStatus(const LiveStatus& status)
{
    const QString text = LiveStatusText(status);
    m_Status->setText(text);
    m_Status->setToolTip(text);
    m_Bench->Refresh();
    update();
}

void CAutoTracePage::RunEnded()
{
    m_Bench->Refresh();
    update();
    emit RunFinished();
}

void CAutoTracePage::ShowAlarm()
{
    const AlarmLevel alarm = m_Live->Trace().Alarm();
    if (alarm == m_ShownAlarm)
        return;
    const bool began = m_ShownAlarm == AlarmLevel::None;
    m_ShownAlarm = alarm;
    ShowStatusBarMessage(m_Bench->AlarmText());
    if (began && m_Bench->SoundOnAlarm())
        QApplication::beep();
}

void CAutoTracePage::ShowStatusBarMessage(const QString& text)
{
    if (auto* frame = qobject_cast<QMainWindow*>(window()))
        frame->statusBar()->showMessage(text);
}

std::optional<std::string> CAutoTracePage::SaveCertificate(const std::string& path) const
{
    const CLiveTrace& trace = m_Live->Trace();
    if (!trace.Run())
        return std::string("no stability run has been made");
    const ReportOptions options = m_Setup.reportOptions ? m_Setup.reportOptions() : ReportOptions();
    const QString log = trace.Saving() || trace.Status().logged > 0
                            ? QDir::toNativeSeparators(QString::fromStdString(trace.Acquisition().SavePath()))
                            : QString();
    const WriteResult written = WriteCertificatePdf(
        path, CertificateFactsOf(trace, *trace.Run(), QString::fromStdString(m_Setup.program), log), options);
    if (!written.ok())
        return written.reason;
    return std::nullopt;
}

void CAutoTracePage::SaveOrPrintCertificate(bool print)
{
    const CLiveTrace& trace = m_Live->Trace();
    if (!trace.Run())
        return;
    if (print) {
        const ReportOptions options = m_Setup.reportOptions ? m_Setup.reportOptions() : ReportOptions();
        PrintCertificate(
            this, CertificateFactsOf(trace, *trace.Run(), QString::fromStdString(m_Setup.program), QString()),
            options);
        return;
    }
    const std::optional<QString> path =
        Prompts::Current().SaveFile(this, tr("PDF Files (*.pdf)|*.pdf||"), true, QString());
    if (!path)
        return;
    const QString named = path->contains('.') ? *path : *path + QStringLiteral(".pdf");
    if (const std::optional<std::string> failed = SaveCertificate(named.toStdString()))
        Prompts::Current().Message(this,
                                   tr("The certificate could not be saved as %1: %2")
                                       .arg(QDir::toNativeSeparators(named), QString::fromStdString(*failed)),
                                   ApplicationTitle, MessageButtons::Ok, MessageIcon::Warning);
    else
        ShowStatusBarMessage(tr("Certificate saved as %1").arg(QDir::toNativeSeparators(named)));
}

void CAutoTracePage::ExportTrace()
{
    const CLiveTrace& trace = m_Live->Trace();
    const std::optional<TimedReading>& last = trace.LastReading();
    if (!last)
        return;
    const std::optional<QString> path =
        Prompts::Current().SaveFile(this, tr("TRACE File(*.trace)|*.trace||"), true, QString());
    if (!path)
        return;
    const QString named = path->contains('.') ? *path : *path + QStringLiteral(".trace");
    const bool run = m_Bench->ChartMode() == LiveChartMode::StabilityRun && trace.Run();
    const std::vector<TimedReading>& readings = run ? trace.Run()->Readings() : trace.History();
    const std::optional<Reference> reference = trace.References().Of(last->wavelength);
    const WriteResult written = WriteTraceDocumentOf(named.toStdString(), readings, last->wavelength,
                                                     reference ? reference->dBm : 0.0f);
    if (!written.ok())
        Prompts::Current().Message(
            this,
            tr("The trace could not be saved as %1: %2")
                .arg(QDir::toNativeSeparators(named), QString::fromStdString(written.reason)),
            ApplicationTitle, MessageButtons::Ok, MessageIcon::Warning);
    else
        ShowStatusBarMessage(tr("Trace saved as %1").arg(QDir::toNativeSeparators(named)));
}

std::optional<RunChartData> CAutoTracePage::RunData() const
{
    const CLiveTrace& trace = m_Live->Trace();
    const LiveChartMode mode = m_Bench->ChartMode();
    if (mode == LiveChartMode::LastTwoMinutes)
        return std::nullopt;
    RunChartData chartData;
    const CStabilityRun* run = trace.Run();
    if (mode == LiveChartMode::StabilityRun) {
        if (run) {
            chartData.readings = &run->Readings();
            chartData.startMs = run->StartMs();
            chartData.fromMs = run->StartMs();
            chartData.toMs = run->EndMs();
        }
    } else if (!trace.History().empty()) {
        chartData.readings = &trace.History();
        chartData.startMs = trace.History().front().atMs;
        chartData.fromMs = chartData.startMs;
        chartData.toMs = std::max(trace.History().back().atMs, chartData.startMs + ShortestWindowMs);
    }
    if (chartData.readings)
        chartData.wavelengths = WavelengthsOf(*chartData.readings);
    if (m_TimeWindow && chartData.readings) {
        chartData.fromMs = std::max(chartData.fromMs, m_TimeWindow->first);
        chartData.toMs = std::min(chartData.toMs, m_TimeWindow->second);
    }
    return chartData;
}

void CAutoTracePage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QPainterDrawContext dc(painter);
    PaintChart(dc);
}

void CAutoTracePage::PaintChart(DrawContext& dc) const
{
    // Read only: a paint for a picture or a print must leave the trace as it is.
    const CLiveTrace& trace = Trace();
    const CTraceAcquisition& acquisition = trace.Acquisition();
    LiveTraceChartData chartData;
    chartData.waveLength = QString::fromStdString(acquisition.TraceWaveLength());
    chartData.reference = QString::fromStdString(acquisition.TraceReference());
    chartData.power = QString::fromStdString(acquisition.TracePower());
    chartData.series = &acquisition.TraceSeries();
    chartData.valueBoxColor = palette().color(QPalette::Button);
    chartData.wrongMode = trace.Status().WrongMode();
    if (std::optional<RunChartData> run = RunData()) {
        run->values = chartData;
        PaintRunChart(dc, m_rcChart, *run);
        return;
    }
    PaintLiveTraceChart(dc, m_rcChart, chartData);
}

void CAutoTracePage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    MoveChildrenInProportion(*this, m_ChildRects, ResizedControlSize);
    PlaceBench();
    update();
}

bool CAutoTracePage::ZoomableAt(const QPoint& point) const
{
    const std::optional<RunChartData> chartData = RunData();
    return chartData && chartData->readings && TraceChartFrame(m_rcChart).Area().contains(point);
}

void CAutoTracePage::ZoomTime(double factor, int atX)
{
    const std::optional<RunChartData> chartData = RunData();
    if (!chartData || !chartData->readings)
        return;
    const int64_t at = RunChartTimeAt(m_rcChart, *chartData, atX);
    const int64_t span = chartData->toMs - chartData->fromMs;
    const int64_t wanted = std::max<int64_t>(ShortestWindowMs, static_cast<int64_t>(double(span) * factor));
    const double before = span > 0 ? double(at - chartData->fromMs) / double(span) : 0.0;
    const int64_t from = at - static_cast<int64_t>(before * double(wanted));
    m_TimeWindow = std::make_pair(from, from + wanted);
    update();
}

void CAutoTracePage::wheelEvent(QWheelEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (!ZoomableAt(at) || event->angleDelta().y() == 0) {
        QWidget::wheelEvent(event);
        return;
    }
    ZoomTime(event->angleDelta().y() > 0 ? ZoomStep : 1.0 / ZoomStep, at.x());
    event->accept();
}

void CAutoTracePage::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && ZoomableAt(event->position().toPoint()))
        m_DragX = event->position().toPoint().x();
    QWidget::mousePressEvent(event);
}

void CAutoTracePage::mouseMoveEvent(QMouseEvent* event)
{
    const std::optional<RunChartData> chartData = RunData();
    if (!m_DragX || !chartData || !chartData->readings)
        return;
    const int x = event->position().toPoint().x();
    const int64_t shift =
        RunChartTimeAt(m_rcChart, *chartData, *m_DragX) - RunChartTimeAt(m_rcChart, *chartData, x);
    m_DragX = x;
    m_TimeWindow = std::make_pair(chartData->fromMs + shift, chartData->toMs + shift);
    update();
}

void CAutoTracePage::mouseReleaseEvent(QMouseEvent* event)
{
    m_DragX.reset();
    QWidget::mouseReleaseEvent(event);
}

void CAutoTracePage::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (ZoomableAt(event->position().toPoint())) {
        m_TimeWindow.reset();
        update();
    }
}
