#include "jobview/FibreStatus.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>

namespace {
const char* const StateNames[] = {
    QT_TRANSLATE_NOOP("FibreStatus", "Missing"), QT_TRANSLATE_NOOP("FibreStatus", "Pass"),
    QT_TRANSLATE_NOOP("FibreStatus", "Warning"), QT_TRANSLATE_NOOP("FibreStatus", "Incomplete"),
    QT_TRANSLATE_NOOP("FibreStatus", "Fail"),    QT_TRANSLATE_NOOP("FibreStatus", "Conflict")};

const char* const RoleNames[] = {
    QT_TRANSLATE_NOOP("FibreStatus", "Current"), QT_TRANSLATE_NOOP("FibreStatus", "Conflicting"),
    QT_TRANSLATE_NOOP("FibreStatus", "Not chosen"), QT_TRANSLATE_NOOP("FibreStatus", "Superseded"),
    QT_TRANSLATE_NOOP("FibreStatus", "Duplicate")};

constexpr int IconSize = 16;

QPixmap DrawIcon(FibreState state)
{
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = FibreStateColour(state);
    painter.setPen(QPen(colour.darker(140), 1.5));
    painter.setBrush(colour);
    const QRectF box(2, 2, IconSize - 4, IconSize - 4);
    switch (state) {
    case FibreState::Pass:
        painter.drawEllipse(box);
        break;
    case FibreState::Warning: {
        QPainterPath triangle;
        triangle.moveTo(box.center().x(), box.top());
        triangle.lineTo(box.bottomRight());
        triangle.lineTo(box.bottomLeft());
        triangle.closeSubpath();
        painter.drawPath(triangle);
        break;
    }
    case FibreState::Fail:
        painter.drawRect(box);
        painter.setPen(QPen(Qt::white, 2));
        painter.drawLine(box.topLeft() + QPointF(3, 3), box.bottomRight() - QPointF(3, 3));
        painter.drawLine(box.topRight() + QPointF(-3, 3), box.bottomLeft() + QPointF(3, -3));
        break;
    case FibreState::Incomplete:
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(box);
        painter.setBrush(colour);
        painter.drawPie(box, 90 * 16, 180 * 16);
        break;
    case FibreState::Missing:
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(box);
        break;
    case FibreState::Conflict: {
        QPainterPath diamond;
        diamond.moveTo(box.center().x(), box.top());
        diamond.lineTo(box.right(), box.center().y());
        diamond.lineTo(box.center().x(), box.bottom());
        diamond.lineTo(box.left(), box.center().y());
        diamond.closeSubpath();
        painter.drawPath(diamond);
        break;
    }
    }
    return pixmap;
}
} // namespace

QString FibreStateName(FibreState state)
{
    return QCoreApplication::translate("FibreStatus", StateNames[static_cast<size_t>(state)]);
}

QColor FibreStateColour(FibreState state)
{
    switch (state) {
    case FibreState::Pass:
        return {0x2E, 0x9D, 0x48};
    case FibreState::Warning:
        return {0xE0, 0xA0, 0x10};
    case FibreState::Fail:
        return {0xD0, 0x30, 0x30};
    case FibreState::Incomplete:
        return {0x40, 0x70, 0xC0};
    case FibreState::Conflict:
        return {0x90, 0x40, 0xB0};
    case FibreState::Missing:
        break;
    }
    return {0x80, 0x80, 0x80};
}

QIcon FibreStateIcon(FibreState state)
{
    // Drawn once each: the tree asks for them at every repaint.
    static std::array<QIcon, std::size(StateNames)> icons;
    QIcon& icon = icons[static_cast<size_t>(state)];
    if (icon.isNull())
        icon = QIcon(DrawIcon(state));
    return icon;
}

FibreState StateOfVerdict(JobVerdict verdict)
{
    switch (verdict) {
    case JobVerdict::Warning:
        return FibreState::Warning;
    case JobVerdict::Incomplete:
        return FibreState::Incomplete;
    case JobVerdict::Fail:
        return FibreState::Fail;
    case JobVerdict::Pass:
        break;
    }
    return FibreState::Pass;
}

FibreState CableState(const JobCounts& counts)
{
    if (counts.fail > 0)
        return FibreState::Fail;
    if (counts.conflicts > 0)
        return FibreState::Conflict;
    if (counts.incomplete > 0)
        return FibreState::Incomplete;
    if (counts.missing > 0)
        return FibreState::Missing;
    if (counts.warning > 0)
        return FibreState::Warning;
    return FibreState::Pass;
}

QString RecordRoleName(RecordRole role)
{
    return QCoreApplication::translate("FibreStatus", RoleNames[static_cast<size_t>(role)]);
}

QString JobCountsText(const JobCounts& counts)
{
    return QCoreApplication::translate("FibreStatus", "%1 planned, %2 tested: %3 pass, %4 warning, %5 fail, "
                                                      "%6 incomplete, %7 missing, %8 unplanned, %9 retested, "
                                                      "%10 in conflict; %11 files")
        .arg(counts.planned)
        .arg(counts.tested)
        .arg(counts.pass)
        .arg(counts.warning)
        .arg(counts.fail)
        .arg(counts.incomplete)
        .arg(counts.missing)
        .arg(counts.unplanned)
        .arg(counts.retested)
        .arg(counts.conflicts)
        .arg(counts.files);
}
