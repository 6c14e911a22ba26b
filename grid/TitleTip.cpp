#include "grid/TitleTip.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QWindow>

CTitleTip::CTitleTip(QWidget* parentGrid)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus),
      m_ParentGrid(parentGrid)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
        if (!window)
            Hide();
    });
}

void CTitleTip::Show(const QRect& titleRect, const QString& text, int xOffset, const QRect& hoverRect,
                     const QFont& font)
{
    if (titleRect.isEmpty() || isVisible() || !QApplication::focusWidget())
        return;
    m_HoverRect = hoverRect;
    const QString padded = QLatin1Char(' ') + text + QLatin1Char(' ');
    const int width = QFontMetrics(font).horizontalAdvance(padded);
    if (width + 2 * xOffset <= titleRect.width() - xOffset)
        return; // the text fits in its cell
    m_Text = padded;
    setFont(font);
    auto* grid = qobject_cast<QAbstractScrollArea*>(m_ParentGrid);
    QWidget* surface = grid ? grid->viewport() : m_ParentGrid;
    const QPoint topLeft = surface->mapToGlobal(QPoint(titleRect.left() + xOffset, titleRect.top() - 1));
    setGeometry(QRect(topLeft, QSize(width, titleRect.height() + 1)));
    show();
}

void CTitleTip::Hide()
{
    if (isVisible())
        hide();
}

void CTitleTip::OnParentMouseMove(const QPoint& point)
{
    if (isVisible() && !m_HoverRect.contains(point))
        Hide();
}

void CTitleTip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::ToolTipBase));
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.drawText(QRect(0, 0, width(), height()), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     m_Text);
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
