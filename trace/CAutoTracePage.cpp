#include "trace/CAutoTracePage.h"

#include "link/LogPath.h"
#include "link/qt/QtLiveTrace.h"
#include "platform/AppTitle.h"
#include "platform/draw/QPainterDrawContext.h"
#include "platform/draw/RecordingDrawContext.h"
#include "platform/ui/DialogUnits.h"
#include "platform/ui/ProgramSettings.h"
#include "platform/ui/Prompts.h"
#include "platform/ui/ProportionalResize.h"
#include "trace/LiveTraceChart.h"
#include "trace/PageFit.h"

#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QSignalBlocker>

#include <utility>

namespace {
constexpr QSize FormSize(667, 395); // dialog units of the "System" 10 font
// Every control takes this size once the page is resized.
constexpr QSize ResizedControlSize(140, 40);
// The folder of the log, kept from one run to the next like the file dialogs'.
const QString LogFolderKey = QStringLiteral("Folders/LiveLog");
} // namespace

CAutoTracePage::CAutoTracePage(std::shared_ptr<HidTransport> transport, QWidget* parent)
    : QWidget(parent), m_SavePathButton(new QPushButton(tr("SavePath"), this)),
      m_PathEdit(new QLineEdit(this)), m_TraceButton(new QPushButton(tr("Trace"), this)),
      m_SaveButton(new QPushButton(tr("Start to Save"), this)),
      m_StopButton(new QPushButton(tr("Stop"), this))
{
    resize(System10Units.ToPixels(FormSize));
    m_SavePathButton->setGeometry(System10Units.ToPixels(QRect(413, 10, 33, 12)));
    m_PathEdit->setGeometry(System10Units.ToPixels(QRect(506, 12, 43, 14)));
    m_TraceButton->setGeometry(System10Units.ToPixels(QRect(415, 42, 29, 13)));
    m_SaveButton->setGeometry(System10Units.ToPixels(QRect(415, 71, 29, 13)));
    m_StopButton->setGeometry(System10Units.ToPixels(QRect(415, 102, 29, 13)));
    m_PathEdit->setReadOnly(true);
    const std::pair<QWidget*, const char*> tips[] = {
        {m_SavePathButton, QT_TR_NOOP("Chooses the folder the live readings are logged to")},
        {m_PathEdit, QT_TR_NOOP("The folder the live readings are logged to")},
        {m_TraceButton, QT_TR_NOOP("Starts reading the instrument's power twice a second")},
        {m_SaveButton, QT_TR_NOOP("Logs the live readings to a file in the chosen folder")},
        {m_StopButton, QT_TR_NOOP("Stops reading the instrument")}};
    for (const auto& [widget, tip] : tips) {
        widget->setToolTip(tr(tip));
        widget->setStatusTip(tr(tip));
    }
    m_SaveButton->setCheckable(true);

    connect(m_SavePathButton, &QPushButton::clicked, this, &CAutoTracePage::PressSavePath);
    connect(m_TraceButton, &QPushButton::clicked, this, &CAutoTracePage::PressTrace);
    connect(m_SaveButton, &QPushButton::toggled, this, &CAutoTracePage::OnSaveToggled);
    connect(m_StopButton, &QPushButton::clicked, this, &CAutoTracePage::PressStop);

    m_Live =
        std::make_unique<QtLiveTrace>(std::move(transport), static_cast<TraceUi&>(*this), DefaultLogPath());
    m_Live->Trace().Start();
    const QString lastFolder = ProgramSettings::Current().Value(LogFolderKey).toString();
    if (!lastFolder.isEmpty() && QDir(lastFolder).exists())
        m_Live->Trace().ChooseLogFolder(QDir::toNativeSeparators(lastFolder).toStdString());

    m_ChildRects = RecordChildRects(*this);
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
    update();
}

QString CAutoTracePage::SavePathText() const
{
    return m_PathEdit->text();
}

bool CAutoTracePage::FitsIn(const QSize& pageSize, const QRect& chart) const
{
    // The readings at their widest.
    LiveTraceChartData widest;
    widest.waveLength = QStringLiteral("1625");
    widest.reference = QStringLiteral("-88.88");
    widest.power = QStringLiteral("-88.88");
    RecordingDrawContext drawn;
    PaintLiveTraceChart(drawn, chart, widest);
    return LaidApart(ProportionalChildRects(m_ChildRects, pageSize, ResizedControlSize),
                     DrawnTextRects(drawn, fontMetrics()), QRect(QPoint(0, 0), pageSize));
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

void CAutoTracePage::OnSaveToggled(bool checked)
{
    m_Live->Trace().SetSaving(checked);
}

void CAutoTracePage::ShowMessage(const std::string& text, const std::string& caption,
                                 const std::string& detail)
{
    Prompts::Current().Message(this, QString::fromStdString(text),
                               caption.empty() ? QString(ApplicationTitle) : QString::fromStdString(caption),
                               MessageButtons::Ok, MessageIcon::Warning, QString::fromStdString(detail));
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
    m_PathEdit->setText(QString::fromStdString(path));
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
    update(rect().adjusted(0, 0, 0, 20));
    emit RepaintRequested();
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
    const CTraceAcquisition& acquisition = Trace().Acquisition();
    LiveTraceChartData data;
    data.waveLength = QString::fromStdString(acquisition.TraceWaveLength());
    data.reference = QString::fromStdString(acquisition.TraceReference());
    data.power = QString::fromStdString(acquisition.TracePower());
    data.series = &acquisition.TraceSeries();
    data.valueBoxColor = palette().color(QPalette::Button);
    PaintLiveTraceChart(dc, m_rcChart, data);
}

void CAutoTracePage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    MoveChildrenInProportion(*this, m_ChildRects, ResizedControlSize);
    update();
}
