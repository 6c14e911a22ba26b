#include "CTracePage.h"

#include "DialogUnits.h"
#include "PageFit.h"
#include "ProportionalResize.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
constexpr QSize FormSize(445, 250); // dialog units of the "System" 10 font

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
    int id;
    int left, top, width, height;
};

// In child order, as the template lists them; labels precede their boxes.
const Control Controls[] = {
    {Control::Kind::Radio, "Range=0.5dB", 1010, 299, 8, 58, 10},
    {Control::Kind::Radio, "Range=1.0dB", 1012, 299, 18, 58, 10},
    {Control::Kind::Radio, "Range=2.0dB", 1011, 299, 28, 58, 10},
    {Control::Kind::Radio, "Range=4.0dB", 1013, 299, 38, 58, 10},
    {Control::Kind::Button, "Line as Reference", 1008, 299, 50, 62, 15},
    {Control::Kind::Button, "Line as Average", 1014, 299, 68, 62, 15},
    {Control::Kind::Label, "WaveLength(nm)", 0, 301, 92, 60, 12},
    {Control::Kind::Edit, "", 1045, 362, 92, 52, 12},
    {Control::Kind::Label, "Min(dBm)", 0, 299, 111, 62, 12},
    {Control::Kind::Edit, "", 1035, 362, 111, 52, 12},
    {Control::Kind::Label, "Max(dBm)", 0, 299, 130, 62, 12},
    {Control::Kind::Edit, "", 1036, 362, 130, 52, 12},
    {Control::Kind::Label, "Average(dBm)", 0, 299, 149, 62, 12},
    {Control::Kind::Edit, "", 1037, 362, 149, 52, 12},
    {Control::Kind::Label, "Reference(dBm)", 0, 299, 168, 62, 12},
    {Control::Kind::Edit, "", 1034, 362, 168, 52, 12},
    {Control::Kind::Label, "Record", 0, 299, 187, 62, 12},
    {Control::Kind::Edit, "", 1017, 362, 187, 52, 12},
    {Control::Kind::Label, "Time", 0, 299, 207, 38, 12},
    {Control::Kind::Edit, "", 1039, 339, 207, 73, 12},
    {Control::Kind::Edit, "", 1044, 339, 222, 74, 12},
};
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
            auto* radio = new QRadioButton(control.caption, this);
            radio->setChecked(control.id == 1012);
            child = radio;
            break;
        }
        case Control::Kind::Button:
            child = new QPushButton(control.caption, this);
            break;
        case Control::Kind::Edit: {
            auto* edit = new QLineEdit(this);
            edit->setReadOnly(true);
            child = edit;
            break;
        }
        case Control::Kind::Label:
            child = new QLabel(control.caption, this);
            break;
        }
        if (control.id != 0)
            child->setObjectName(QString("control%1").arg(control.id));
        child->setGeometry(
            System10Units.ToPixels(QRect(control.left, control.top, control.width, control.height)));
    }
}

void CTracePage::SetChartRect(const QRect& rect)
{
    m_rcChart = rect;
    update();
}

bool CTracePage::FitsIn(const QSize& pageSize, const QRect& chart) const
{
    Q_UNUSED(chart);
    return LaidApart(ProportionalChildRects(m_ChildRects, pageSize), {}, QRect(QPoint(0, 0), pageSize));
}

bool CTracePage::OpenRecordedTrace(const QString& path)
{
    Q_UNUSED(path);
    return false;
}

void CTracePage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    MoveChildrenInProportion(*this, m_ChildRects);
    update();
}
