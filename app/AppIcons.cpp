#include "app/AppIcons.h"

#include "ProgramIdentity.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

namespace {
QIcon ThemeOr(const char* name, QStyle::StandardPixmap fallback)
{
    const QIcon themed = QIcon::fromTheme(QString::fromLatin1(name));
    return themed.isNull() ? QApplication::style()->standardIcon(fallback) : themed;
}

// A printer: paper in, body, paper out.
QIcon DrawnPrinter()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(9, 3, 14, 10));
    painter.setBrush(QColor(150, 155, 165));
    painter.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(8, 19, 16, 10));
    painter.setPen(QPen(QColor(120, 120, 120), 1));
    painter.drawLine(QPointF(11, 23), QPointF(21, 23));
    painter.drawLine(QPointF(11, 26), QPointF(19, 26));
    return QIcon(pixmap);
}

// A fibre reel with a light pulse: the program's mark.
QIcon DrawnApplicationIcon()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 94, 160));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    painter.setPen(QPen(QColor(255, 200, 40), 5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath wave;
    wave.moveTo(10, 40);
    wave.cubicTo(22, 40, 24, 18, 32, 18);
    wave.cubicTo(40, 18, 42, 40, 54, 40);
    painter.drawPath(wave);
    painter.setPen(QPen(Qt::white, 3));
    painter.drawLine(QPointF(10, 50), QPointF(54, 50));
    return QIcon(pixmap);
}
} // namespace

QIcon OpenIcon()
{
    return ThemeOr("document-open", QStyle::SP_DialogOpenButton);
}

QIcon SaveIcon()
{
    return ThemeOr("document-save", QStyle::SP_DialogSaveButton);
}

QIcon PrintIcon()
{
    const QIcon themed = QIcon::fromTheme("document-print");
    return themed.isNull() ? DrawnPrinter() : themed;
}

// The installed program has its icon in the desktop's theme, the one its
// menu entry shows; a program run from the build tree draws the same mark.
QIcon ApplicationIcon()
{
    return QIcon::fromTheme(QString::fromLatin1(DesktopEntryName), DrawnApplicationIcon());
}
