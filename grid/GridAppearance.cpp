#include "grid/GridCtrl.h"

#include <QFontMetrics>

namespace {
QRgb Opaque(const QColor& colour)
{
    return colour.rgb() & 0xFFFFFF;
}
} // namespace

void CGridCtrl::ApplyFont()
{
    const QFontMetrics metrics(font());
    m_Margin = metrics.horizontalAdvance(QLatin1Char(' '));
    m_DefaultRowHeight = metrics.height() + metrics.leading() + 2 * m_Margin;
    m_DefaultColumnWidth = 12 * metrics.averageCharWidth() + 2 * m_Margin;
    for (CGridCell& cell : m_Cells)
        cell.m_FontIndex = 0;
    m_CellFonts.resize(1);
    Redraw();
}

void CGridCtrl::TakeSystemColours()
{
    const QPalette colours = palette();
    m_SysWindowText = Opaque(colours.color(QPalette::Text));
    m_SysWindow = Opaque(colours.color(QPalette::Base));
    m_SysShadow = Opaque(colours.color(QPalette::Dark));
    m_SysFace = Opaque(colours.color(QPalette::Button));
}

void CGridCtrl::OnSystemColoursChanged()
{
    const QRgb oldText = m_SysWindowText;
    const QRgb oldWindow = m_SysWindow;
    const QRgb oldShadow = m_SysShadow;
    const QRgb oldFace = m_SysFace;
    TakeSystemColours();
    const auto follow = [](QRgb& colour, QRgb oldSystem, QRgb newSystem) {
        if (colour == oldSystem)
            colour = newSystem;
    };
    follow(m_TextColour, oldText, m_SysWindowText);
    follow(m_FixedTextColour, oldText, m_SysWindowText);
    follow(m_TextBkColour, oldWindow, m_SysWindow);
    follow(m_GridBkColour, oldShadow, m_SysShadow);
    follow(m_FixedBkColour, oldFace, m_SysFace);
    Redraw();
}

void CGridCtrl::SetTextColour(QRgb colour)
{
    m_TextColour = colour;
    Redraw();
}

void CGridCtrl::SetTextBkColour(QRgb colour)
{
    m_TextBkColour = colour;
    Redraw();
}

void CGridCtrl::SetGridBkColour(QRgb colour)
{
    m_GridBkColour = colour;
    Redraw();
}

void CGridCtrl::SetFixedTextColour(QRgb colour)
{
    m_FixedTextColour = colour;
    Redraw();
}

void CGridCtrl::SetFixedBkColour(QRgb colour)
{
    m_FixedBkColour = colour;
    Redraw();
}

void CGridCtrl::SetGridLines(GridLines lines)
{
    m_GridLines = lines;
    Redraw();
}

void CGridCtrl::SetRedraw(bool allowDraw, bool resetScrollBars)
{
    m_AllowDraw = allowDraw;
    if (allowDraw) {
        if (resetScrollBars)
            ResetScrollBars();
        Redraw();
    }
}

void CGridCtrl::EnableSelection(bool enable)
{
    m_SelectionEnabled = enable;
    ClearSelection();
}

void CGridCtrl::Redraw()
{
    if (m_AllowDraw)
        viewport()->update();
}

void CGridCtrl::RedrawCell(int row, int col)
{
    if (!m_AllowDraw || !IsValid(row, col))
        return;
    viewport()->update(BlockRect(GetMergedRange(row, col)));
}
