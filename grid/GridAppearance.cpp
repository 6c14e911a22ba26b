#include "GridCtrl.h"

#include <QFontMetrics>
#include <algorithm>

namespace {
QRgb Opaque(const QColor& colour)
{
    return colour.rgb() & 0xFFFFFF;
}
} // namespace

void CGridCtrl::ApplyFont()
{
    const QFontMetrics metrics(font());
    m_nMargin = metrics.horizontalAdvance(QLatin1Char(' '));
    m_nDefCellHeight = metrics.height() + metrics.leading() + 2 * m_nMargin;
    m_nDefCellWidth = 12 * metrics.averageCharWidth() + 2 * m_nMargin;
    for (CGridCell& cell : m_Cells) {
        cell.m_FontIndex = 0;
    }
    m_CellFonts.resize(1);
    Redraw();
}

void CGridCtrl::TakeSystemColours()
{
    const QPalette colours = palette();
    m_crSysWindowText = Opaque(colours.color(QPalette::Text));
    m_crSysWindow = Opaque(colours.color(QPalette::Base));
    m_crSysShadow = Opaque(colours.color(QPalette::Dark));
    m_crSysFace = Opaque(colours.color(QPalette::Button));
}

void CGridCtrl::OnSystemColoursChanged()
{
    const QRgb oldText = m_crSysWindowText;
    const QRgb oldWindow = m_crSysWindow;
    const QRgb oldShadow = m_crSysShadow;
    const QRgb oldFace = m_crSysFace;
    TakeSystemColours();
    const auto follow = [](QRgb& colour, QRgb oldSystem, QRgb newSystem) {
        if (colour == oldSystem) {
            colour = newSystem;
        }
    };
    follow(m_crTextColour, oldText, m_crSysWindowText);
    follow(m_crFixedTextColour, oldText, m_crSysWindowText);
    follow(m_crTextBkColour, oldWindow, m_crSysWindow);
    follow(m_crGridBkColour, oldShadow, m_crSysShadow);
    follow(m_crFixedBkColour, oldFace, m_crSysFace);
    Redraw();
}

void CGridCtrl::SetTextColour(QRgb colour)
{
    m_crTextColour = colour;
    Redraw();
}

void CGridCtrl::SetTextBkColour(QRgb colour)
{
    m_crTextBkColour = colour;
    Redraw();
}

void CGridCtrl::SetGridBkColour(QRgb colour)
{
    m_crGridBkColour = colour;
    Redraw();
}

void CGridCtrl::SetFixedTextColour(QRgb colour)
{
    m_crFixedTextColour = colour;
    Redraw();
}

void CGridCtrl::SetFixedBkColour(QRgb colour)
{
    m_crFixedBkColour = colour;
    Redraw();
}

void CGridCtrl::SetGridLines(int lines)
{
    m_nGridLines = std::clamp(lines, int(GVL_NONE), int(GVL_BOTH));
    Redraw();
}

void CGridCtrl::SetRedraw(bool allowDraw, bool resetScrollBars)
{
    m_bAllowDraw = allowDraw;
    if (allowDraw) {
        if (resetScrollBars) {
            ResetScrollBars();
        }
        Redraw();
    }
}

void CGridCtrl::EnableSelection(bool enable)
{
    m_bEnableSelection = enable;
    ClearSelection();
}

void CGridCtrl::Redraw()
{
    if (m_bAllowDraw) {
        viewport()->update();
    }
}

void CGridCtrl::RedrawCell(int row, int col)
{
    if (!m_bAllowDraw || !IsValid(row, col)) {
        return;
    }
    viewport()->update(BlockRect(GetMergedRange(row, col)));
}
