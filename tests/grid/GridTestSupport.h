#pragma once

#include "grid/GridCtrl.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <memory>

// A shown grid of a known size with uniform rows and columns and every cell
// written "r,c", so expectations can be derived from the layout.
inline std::unique_ptr<CGridCtrl> MakeGrid(int rows, int cols, int fixedRows, int fixedCols,
                                           QSize size = QSize(400, 300))
{
    auto grid = std::make_unique<CGridCtrl>(rows, cols, fixedRows, fixedCols);
    QPalette colours = grid->palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    grid->setPalette(colours);
    grid->resize(size);
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < cols; ++col)
            grid->SetItemText(row, col, QString::number(row) + QLatin1Char(',') + QString::number(col));
    grid->show();
    grid->ResetScrollBars();
    return grid;
}

inline QPoint CellCentre(const CGridCtrl& grid, int row, int col)
{
    QRect rect;
    grid.GetCellRect(row, col, rect);
    return rect.center();
}

inline void SendMouse(CGridCtrl& grid, QEvent::Type type, QPoint point, Qt::MouseButton button,
                      Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* surface = grid.viewport();
    QMouseEvent event(type, QPointF(point), QPointF(surface->mapToGlobal(point)), button, buttons, modifiers);
    QApplication::sendEvent(surface, &event);
}

inline void Click(CGridCtrl& grid, QPoint point, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    SendMouse(grid, QEvent::MouseButtonPress, point, Qt::LeftButton, Qt::LeftButton, modifiers);
    SendMouse(grid, QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton, modifiers);
}

inline bool IsDark(QRgb pixel)
{
    return qGray(pixel) < 96;
}

// Dark pixels inside a rectangle of a grabbed image (text strokes, lines).
inline int DarkPixels(const QImage& image, const QRect& rect)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += IsDark(image.pixel(x, y)) ? 1 : 0;
    return count;
}
