#include "trace/CTracePage.h"

#include "data/TraceFile.h"
#include "platform/AppTitle.h"
#include "platform/draw/QPainterDrawContext.h"
#include "platform/draw/RecordingDrawContext.h"
#include "platform/ui/DialogUnits.h"
#include "platform/ui/Prompts.h"
#include "platform/ui/ProportionalResize.h"
#include "trace/PageFit.h"
#include "trace/RecordedTraceChart.h"
#include "trace/TraceChartAxes.h"
#include "trace/TraceCursors.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace {
constexpr QSize FormSize(445, 250); // dialog units of the "System" 10 font
// A recording this long gives the widest time labels the page must fit.
constexpr int LongestRecordingSeconds = 99 * 3600;

enum ControlId : int
{
    LineAsReferenceId = 1008,
    RangeHalfId = 1010,
    RangeTwoId = 1011,
    RangeOneId = 1012,
    RangeFourId = 1013,
    LineAsAverageId = 1014,
    RecordId = 1017,
    ReferenceId = 1034,
    MinimumId = 1035,
    MaximumId = 1036,
    AverageId = 1037,
    StartId = 1039,
    EndId = 1044,
    WaveLengthId = 1045,
};

struct Control
{
    enum class Kind
    {
        Radio,
        Button,
        Edit,
        Label
    } kind;
    const char* caption;
    const char* tip; // null: none
    int id;
    int left, top, width, height;
    float range = 0.0f; // a range radio button's dB
};

const char* const RangeTip =
    QT_TRANSLATE_NOOP("CTracePage", "How far above and below its zero line the chart reaches");

// In child order, as the template lists them; labels precede their boxes.
const Control Controls[] = {
    {Control::Kind::Radio, QT_TRANSLATE_NOOP("CTracePage", "Range=0.5dB"), RangeTip, RangeHalfId, 299, 8, 58,
     10, 0.5f},
    {Control::Kind::Radio, QT_TRANSLATE_NOOP("CTracePage", "Range=1.0dB"), RangeTip, RangeOneId, 299, 18, 58,
     10, 1.0f},
    {Control::Kind::Radio, QT_TRANSLATE_NOOP("CTracePage", "Range=2.0dB"), RangeTip, RangeTwoId, 299, 28, 58,
     10, 2.0f},
    {Control::Kind::Radio, QT_TRANSLATE_NOOP("CTracePage", "Range=4.0dB"), RangeTip, RangeFourId, 299, 38, 58,
     10, 4.0f},
    {Control::Kind::Button, QT_TRANSLATE_NOOP("CTracePage", "Line as Reference"),
     QT_TRANSLATE_NOOP("CTracePage", "Puts the chart's zero line at the reference power"), LineAsReferenceId,
     299, 50, 62, 15},
    {Control::Kind::Button, QT_TRANSLATE_NOOP("CTracePage", "Line as Average"),
     QT_TRANSLATE_NOOP("CTracePage", "Puts the chart's zero line at the trace's average power"),
     LineAsAverageId, 299, 68, 62, 15},
    {Control::Kind::Label, QT_TRANSLATE_NOOP("CTracePage", "WaveLength(nm)"), nullptr, 0, 301, 92, 60, 12},
    {Control::Kind::Edit, "", QT_TRANSLATE_NOOP("CTracePage", "The wavelength the trace was recorded at"),
     WaveLengthId, 362, 92, 52, 12},
    {Control::Kind::Label, QT_TRANSLATE_NOOP("CTracePage", "Min(dBm)"), nullptr, 0, 299, 111, 62, 12},
    {Control::Kind::Edit, "", QT_TRANSLATE_NOOP("CTracePage", "The trace's lowest power"), MinimumId, 362,
     111, 52, 12},
    {Control::Kind::Label, QT_TRANSLATE_NOOP("CTracePage", "Max(dBm)"), nullptr, 0, 299, 130, 62, 12},
    {Control::Kind::Edit, "", QT_TRANSLATE_NOOP("CTracePage", "The trace's highest power"), MaximumId, 362,
     130, 52, 12},
    {Control::Kind::Label, QT_TRANSLATE_NOOP("CTracePage", "Average(dBm)"), nullptr, 0, 299, 149, 62, 12},
    {Control::Kind::Edit, "", QT_TRANSLATE_NOOP("CTracePage", "The trace's average power"), AverageId, 362,
     149, 52, 12},
    {Control::Kind::Label, QT_TRANSLATE_NOOP("CTracePage", "Reference(dBm)"), nullptr, 0, 299, 168, 62, 12},
    {Control::Kind::Edit, "", QT_TRANSLATE_NOOP("CTracePage", "The reference power of the trace"),
     ReferenceId, 362, 168, 52, 12},
    {Control::Kind::Label, QT_TRANSLATE_NOOP("CTracePage", "Record"), nullptr, 0, 299, 187, 62, 12},
    {Control::Kind::Edit, "", QT_TRANSLATE_NOOP("CTracePage", "The number of readings in the trace"),
     RecordId, 362, 187, 52, 12},
    {Control::Kind::Label, QT_TRANSLATE_NOOP("CTracePage", "Time"), nullptr, 0, 299, 207, 38, 12},
    {Control::Kind::Edit, "", QT_TRANSLATE_NOOP("CTracePage", "When the trace begins"), StartId, 339, 207, 73,
     12},
    {Control::Kind::Edit, "", QT_TRANSLATE_NOOP("CTracePage", "When the trace ends"), EndId, 339, 222, 74,
     12},
};

QString ControlName(int id)
{
    return QString("control%1").arg(id);
}
} // namespace

CTracePage::CTracePage(QWidget* parent) : QWidget(parent)
{
    resize(System10Units.ToPixels(FormSize));
    AddControls();
    m_ChildRects = RecordChildRects(*this);
}

void CTracePage::AddControls()
{
    for (const Control& control : Controls) {
        QWidget* child = nullptr;
        switch (control.kind) {
        case Control::Kind::Radio: {
            auto* radio = new QRadioButton(tr(control.caption), this);
            radio->setChecked(control.range == m_Range);
            const float range = control.range;
            connect(radio, &QRadioButton::toggled, this, [this, range](bool checked) {
                if (!checked)
                    return;
                m_Range = range;
                update();
            });
            child = radio;
            break;
        }
        case Control::Kind::Button: {
            auto* button = new QPushButton(tr(control.caption), this);
            connect(button, &QPushButton::clicked, this,
                    control.id == LineAsReferenceId ? &CTracePage::LineAsReference
                                                    : &CTracePage::LineAsAverage);
            child = button;
            break;
        }
        case Control::Kind::Edit: {
            auto* edit = new QLineEdit(this);
            edit->setReadOnly(true);
            child = edit;
            break;
        }
        case Control::Kind::Label:
            child = new QLabel(tr(control.caption), this);
            break;
        }
        if (control.id != 0)
            child->setObjectName(ControlName(control.id));
        if (control.tip) {
            child->setToolTip(tr(control.tip));
            child->setStatusTip(tr(control.tip));
        }
        child->setGeometry(
            System10Units.ToPixels(QRect(control.left, control.top, control.width, control.height)));
    }
}

QLineEdit* CTracePage::Edit(int id) const
{
    return findChild<QLineEdit*>(ControlName(id), Qt::FindDirectChildrenOnly);
}

void CTracePage::SetEditText(int id, const std::string& text)
{
    QLineEdit* edit = Edit(id);
    edit->setText(QString::fromStdString(text));
    edit->setCursorPosition(0); // the start of a long text, as a fresh edit shows it
}

void CTracePage::SetChartRect(const QRect& rect)
{
    m_rcChart = rect;
    update();
}

void CTracePage::ShowTrace(const QString& path, const TraceFileContents& trace)
{
    m_TraceFilePath = QFileInfo(path).absoluteFilePath();
    SetEditText(RecordId, trace.recordCount);
    SetEditText(ReferenceId, trace.reference);
    SetEditText(MinimumId, trace.minimum);
    SetEditText(MaximumId, trace.maximum);
    SetEditText(AverageId, trace.average);
    m_Average = trace.averageValue;
    SetEditText(WaveLengthId, trace.waveLength);
    SetEditText(StartId, trace.start);
    SetEditText(EndId, trace.end);
    m_SampleCount = trace.sampleCount;
    const QString format = QStringLiteral("yyyy-MM-dd hh:mm:ss");
    const QDateTime start = QDateTime::fromString(QString::fromStdString(trace.start), format);
    const QDateTime end = QDateTime::fromString(QString::fromStdString(trace.end), format);
    m_RecordedSeconds = start.isValid() && end.isValid() && start <= end ? int(start.secsTo(end)) : -1;
    m_TraceRefText = QString::fromStdString(trace.reference);
    m_PlotValues = trace.plotValues;
    // The cursors at a quarter and three quarters of the samples.
    m_SampleCount = std::min(m_SampleCount, static_cast<int>(m_PlotValues.size()) - 1);
    m_Cursors.reset();
    if (m_SampleCount > 0)
        m_Cursors = std::make_pair(m_SampleCount / 4, 3 * m_SampleCount / 4);
    // The new values' zero line is their reference, so its label says so
    // even if the last file was shown against its average.
    m_LineMode = 0;
    update();
}

void CTracePage::LineAsReference()
{
    if (m_TraceRefText.isEmpty() || m_PlotValues.empty()) {
        ShowNoData();
        return;
    }
    m_PlotValues[0] = m_TraceRefText.toFloat();
    m_LineMode = 0;
    update();
}

void CTracePage::LineAsAverage()
{
    // An infinite average (samples that sum beyond a float) is no level to
    // draw against either.
    if (!std::isfinite(m_Average) || m_Average == 0.0f || m_PlotValues.empty()) {
        ShowNoData();
        return;
    }
    m_PlotValues[0] = m_Average;
    m_LineMode = 1;
    update();
}

void CTracePage::ShowNoData()
{
    Prompts::Current().Message(this, CTracePage::tr("No Data"), ApplicationTitle, MessageButtons::Ok,
                               MessageIcon::Information);
}

namespace {
// The time since the start as the cursors read it, to a tenth of a second.
QString CursorTime(double seconds, bool withHours)
{
    const auto tenths = static_cast<long long>(std::llround(seconds * 10));
    const long long whole = tenths / 10;
    const QString s = QString::asprintf("%02lld.%lld", whole % 60, tenths % 10);
    return withHours ? QString::asprintf("%lld:%02lld:", whole / 3600, whole / 60 % 60) + s
                     : QString::asprintf("%02lld:", whole / 60) + s;
}
} // namespace

void CTracePage::DragCursorTo(int x)
{
    if (!m_Cursors)
        return;
    const int sample = RecordedSampleAt(m_rcChart, m_SampleCount, x);
    const auto distance = [&](int at) { return std::abs(RecordedSampleX(m_rcChart, m_SampleCount, at) - x); };
    const int which =
        m_DraggedCursor.value_or(distance(m_Cursors->first) <= distance(m_Cursors->second) ? 0 : 1);
    (which == 0 ? m_Cursors->first : m_Cursors->second) = sample;
    update();
}

std::vector<QString> CTracePage::CursorReadout() const
{
    if (!m_Cursors)
        return {};
    const auto [a, b] = *m_Cursors;
    const TraceCursorReadout readout = ReadTraceCursors(m_PlotValues, a, b, m_RecordedSeconds);
    const bool withHours = m_RecordedSeconds >= 3600;
    const auto when = [&](const std::optional<double>& seconds, int sample) {
        return seconds ? CursorTime(*seconds, withHours) : CTracePage::tr("#%1").arg(sample + 1);
    };
    const auto power = [](const std::optional<double>& value) {
        return QString::fromStdString(value ? TraceStatisticText(static_cast<float>(*value)) : "N/A");
    };
    const QString span = readout.secondsA && readout.secondsB
                             ? CursorTime(std::abs(*readout.secondsB - *readout.secondsA), withHours)
                             : CTracePage::tr("%1 samples").arg(std::abs(b - a));
    const CReadingStatistics& between = readout.between;
    const auto extreme = [&](const std::optional<CReadingStatistics::Extreme>& e) {
        return power(e ? std::optional<double>(e->power) : std::nullopt);
    };
    CursorTexts texts;
    texts.timeA = when(readout.secondsA, a);
    texts.powerA = power(readout.powerA);
    texts.timeB = when(readout.secondsB, b);
    texts.powerB = power(readout.powerB);
    texts.span = span;
    texts.delta = readout.deltaDb ? QString::number(*readout.deltaDb, 'f', 2) : QStringLiteral("N/A");
    texts.count = QString::number(between.Count());
    texts.minimum = extreme(between.Minimum());
    texts.average = power(between.Average());
    texts.maximum = extreme(between.Maximum());
    return ReadoutLines(texts);
}

std::vector<QString> CTracePage::ReadoutLines(const CursorTexts& t)
{
    return {CTracePage::tr("A  %1   %2 dBm").arg(t.timeA, t.powerA),
            CTracePage::tr("B  %1   %2 dBm").arg(t.timeB, t.powerB),
            CTracePage::tr("Δt %1   ΔdB %2").arg(t.span, t.delta),
            CTracePage::tr("Between: %1 readings").arg(t.count),
            CTracePage::tr("min %1  avg %2  max %3 dBm").arg(t.minimum, t.average, t.maximum)};
}

void CTracePage::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && m_Cursors && TraceChartFrame(m_rcChart).Area().contains(at)) {
        m_DraggedCursor.reset();
        DragCursorTo(at.x());
        const int sample = RecordedSampleAt(m_rcChart, m_SampleCount, at.x());
        m_DraggedCursor = m_Cursors->first == sample ? 0 : 1;
    }
    QWidget::mousePressEvent(event);
}

void CTracePage::mouseMoveEvent(QMouseEvent* event)
{
    if (m_DraggedCursor)
        DragCursorTo(event->position().toPoint().x());
}

void CTracePage::mouseReleaseEvent(QMouseEvent* event)
{
    m_DraggedCursor.reset();
    QWidget::mouseReleaseEvent(event);
}

RecordedTraceChartData CTracePage::ChartData() const
{
    RecordedTraceChartData chartData;
    chartData.range = m_Range;
    chartData.zeroLineIsAverage = m_LineMode == 1;
    chartData.sampleCount = m_SampleCount;
    chartData.recordedSeconds = m_RecordedSeconds;
    chartData.plotValues = &m_PlotValues;
    if (m_Cursors)
        chartData.cursors =
            RecordedTraceChartData::Cursors{m_Cursors->first, m_Cursors->second, CursorReadout()};
    return chartData;
}

void CTracePage::PaintChart(DrawContext& dc) const
{
    PaintRecordedTraceChart(dc, m_rcChart, ChartData());
}

bool CTracePage::FitsIn(const QSize& pageSize, const QRect& chart) const
{
    const QRect page(QPoint(0, 0), pageSize);
    RecordedTraceChartData axes = ChartData();
    axes.plotValues = nullptr; // the texts are what must fit
    axes.recordedSeconds = LongestRecordingSeconds;
    const QString time = CursorTime(LongestRecordingSeconds, true), power = QStringLiteral("-88.88");
    axes.cursors = RecordedTraceChartData::Cursors{
        0, 0,
        ReadoutLines({time, power, time, power, time, power, QStringLiteral("65535"), power, power, power})};
    RecordingDrawContext drawn;
    PaintRecordedTraceChart(drawn, chart, axes);
    return LaidApart(ProportionalChildRects(m_ChildRects, pageSize), DrawnTextRects(drawn, fontMetrics()),
                     page);
}

void CTracePage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QPainterDrawContext dc(painter);
    PaintChart(dc);
}

void CTracePage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    MoveChildrenInProportion(*this, m_ChildRects);
    update();
}
