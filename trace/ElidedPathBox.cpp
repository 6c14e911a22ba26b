#include "trace/ElidedPathBox.h"

#include <QPainter>

ElidedPathBox::ElidedPathBox(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void ElidedPathBox::SetPath(const QString& path)
{
    m_Path = path;
    setToolTip(path);
    update();
}

QString ElidedPathBox::ShownText() const
{
    return fontMetrics().elidedText(m_Path, Qt::ElideMiddle, contentsRect().width() - 2 * frameWidth());
}

void ElidedPathBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect text = contentsRect().adjusted(frameWidth(), 0, -frameWidth(), 0);
    painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, ShownText());
}
