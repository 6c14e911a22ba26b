#include "CAutoTracePage.h"

#include "LiveTraceChart.h"
#include "LogPath.h"
#include "Prompts.h"
#include "QPainterDrawContext.h"
#include "QtLiveTrace.h"

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QSignalBlocker>

namespace {
// Every control takes this size once the page is resized.
constexpr int kResizedControlWidth = 140;
constexpr int kResizedControlHeight = 40;

QString ApplicationTitle()
{
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("KAV") : name;
}
} // namespace

CAutoTracePage::CAutoTracePage(std::shared_ptr<HidTransport> transport, QWidget* parent)
    : QWidget(parent), m_SavePathButton(new QPushButton(QStringLiteral("SavePath"), this)),
      m_PathEdit(new QLineEdit(this)), m_TraceButton(new QPushButton(QStringLiteral("Trace"), this)),
      m_SaveButton(new QPushButton(QStringLiteral("Start to Save"), this)),
      m_StopButton(new QPushButton(QStringLiteral("Stop"), this))
{
    // The dialog's layout in units of 2 pixels.
    resize(kInitialWidth, kInitialHeight);
    m_SavePathButton->setGeometry(826, 20, 66, 24);
    m_PathEdit->setGeometry(1012, 24, 86, 28);
    m_TraceButton->setGeometry(830, 84, 58, 26);
    m_SaveButton->setGeometry(830, 142, 58, 26);
    m_StopButton->setGeometry(830, 204, 58, 26);
    m_PathEdit->setReadOnly(true);
    m_SaveButton->setCheckable(true);

    connect(m_SavePathButton, &QPushButton::clicked, this, &CAutoTracePage::PressSavePath);
    connect(m_TraceButton, &QPushButton::clicked, this, &CAutoTracePage::PressTrace);
    connect(m_SaveButton, &QPushButton::toggled, this, &CAutoTracePage::OnSaveToggled);
    connect(m_StopButton, &QPushButton::clicked, this, &CAutoTracePage::PressStop);

    m_Live =
        std::make_unique<QtLiveTrace>(std::move(transport), static_cast<TraceUi&>(*this), DefaultLogPath());
    m_Live->Trace().Start();

    m_Controls = {m_SavePathButton, m_PathEdit, m_TraceButton, m_SaveButton, m_StopButton};
    m_ChildRects.push_back(rect());
    for (QWidget* control : m_Controls)
        m_ChildRects.push_back(control->geometry());
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

void CAutoTracePage::PressSavePath()
{
    const std::optional<QString> folder =
        Prompts::Current().PickFolder(this, QStringLiteral("Please select the folder of save data"));
    std::optional<std::string> picked;
    if (folder && !folder->isEmpty())
        picked = QDir::toNativeSeparators(*folder).toStdString();
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
                               caption.empty() ? ApplicationTitle() : QString::fromStdString(caption),
                               MessageButtons::Ok, MessageIcon::Warning, QString::fromStdString(detail));
}

void CAutoTracePage::ShowSaveButton(bool enabled, bool checked)
{
    const QSignalBlocker blocker(m_SaveButton);
    m_SaveButton->setEnabled(enabled);
    m_SaveButton->setChecked(checked);
    m_SaveButton->setText(checked ? QStringLiteral("Saving...") : QStringLiteral("Start to Save"));
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
    if (m_ChildRects.empty()) {
        update();
        return;
    }
    const QRect initial = m_ChildRects.front();
    const float sx = static_cast<float>(width()) / static_cast<float>(initial.width());
    const float sy = static_cast<float>(height()) / static_cast<float>(initial.height());
    for (size_t i = 0; i < m_Controls.size(); ++i) {
        const QRect& entry = m_ChildRects[i + 1];
        const int left = static_cast<int>(static_cast<float>(entry.left() - initial.left()) * sx);
        const int top = static_cast<int>(static_cast<float>(entry.top() - initial.top()) * sy);
        m_Controls[i]->setGeometry(left, top, kResizedControlWidth, kResizedControlHeight);
    }
    update();
}
