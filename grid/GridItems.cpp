#include "GridCtrl.h"

#include <algorithm>

const CGridCell* CGridCtrl::GetCell(int row, int col) const
{
    return IsValid(row, col) ? &Cell(row, col) : nullptr;
}

quint16 CGridCtrl::ColourIndex(QRgb colour)
{
    const auto it = std::find(m_Colours.begin(), m_Colours.end(), colour);
    if (it != m_Colours.end()) {
        return static_cast<quint16>(it - m_Colours.begin());
    }
    if (m_Colours.size() > 0xFFFF) {
        return 0;
    }
    m_Colours.push_back(colour);
    return static_cast<quint16>(m_Colours.size() - 1);
}

quint16 CGridCtrl::FontIndex(const QFont& font)
{
    if (font == this->font()) {
        return 0;
    }
    const auto it = std::find(m_CellFonts.begin() + 1, m_CellFonts.end(), font);
    if (it != m_CellFonts.end()) {
        return static_cast<quint16>(it - m_CellFonts.begin());
    }
    if (m_CellFonts.size() > 0xFFFF) {
        return 0;
    }
    m_CellFonts.push_back(font);
    return static_cast<quint16>(m_CellFonts.size() - 1);
}

const QFont& CGridCtrl::CellFont(const CGridCell& cell) const
{
    return cell.m_FontIndex == 0 ? font() : m_CellFonts[cell.m_FontIndex];
}

bool CGridCtrl::SetItem(const GridItem& item)
{
    if (!IsValid(item.row, item.col)) {
        return false;
    }
    CGridCell& cell = Cell(item.row, item.col);
    if (item.mask & GVIF_TEXT) {
        cell.m_Text = item.strText;
    }
    if (item.mask & GVIF_IMAGE) {
        cell.m_Image = static_cast<qint16>(std::clamp(item.iImage, -1, 0x7FFF));
    }
    if (item.mask & GVIF_PARAM) {
        if (item.lParam == 0) {
            m_UserValues.remove(CellKey(item.row, item.col));
        } else {
            m_UserValues.insert(CellKey(item.row, item.col), item.lParam);
        }
    }
    if (item.mask & GVIF_STATE) {
        SetItemState(item.row, item.col, item.state);
    }
    if (item.mask & GVIF_BKCLR) {
        cell.m_BkColourIndex = ColourIndex(item.crBkClr);
    }
    if (item.mask & GVIF_FGCLR) {
        cell.m_FgColourIndex = ColourIndex(item.crFgClr);
    }
    if (item.mask & GVIF_FORMAT) {
        cell.m_Format = static_cast<quint16>(item.nFormat);
    }
    if (item.mask & GVIF_FONT) {
        cell.m_FontIndex = FontIndex(item.font);
    }
    return true;
}

bool CGridCtrl::GetItem(GridItem& item) const
{
    if (!IsValid(item.row, item.col)) {
        return false;
    }
    const CGridCell& cell = Cell(item.row, item.col);
    if (item.mask & GVIF_TEXT) {
        item.strText = cell.m_Text;
    }
    if (item.mask & GVIF_IMAGE) {
        item.iImage = cell.m_Image;
    }
    if (item.mask & GVIF_PARAM) {
        item.lParam = m_UserValues.value(CellKey(item.row, item.col), 0);
    }
    if (item.mask & GVIF_STATE) {
        item.state = GetItemState(item.row, item.col);
    }
    if (item.mask & GVIF_BKCLR) {
        item.crBkClr = ColourAt(cell.m_BkColourIndex);
    }
    if (item.mask & GVIF_FGCLR) {
        item.crFgClr = ColourAt(cell.m_FgColourIndex);
    }
    if (item.mask & GVIF_FORMAT) {
        item.nFormat = cell.m_Format;
    }
    if (item.mask & GVIF_FONT) {
        item.font = CellFont(cell);
    }
    return true;
}

bool CGridCtrl::SetItemText(int row, int col, const QString& text)
{
    if (!IsValid(row, col)) {
        return false;
    }
    Cell(row, col).m_Text = text;
    return true;
}

QString CGridCtrl::GetItemText(int row, int col) const
{
    return IsValid(row, col) ? Cell(row, col).m_Text : QString();
}

bool CGridCtrl::SetItemState(int row, int col, unsigned state)
{
    if (!IsValid(row, col)) {
        return false;
    }
    // The selection is kept as ranges, not per cell, so that selecting
    // millions of cells costs nothing.
    const bool selected = state & GVIS_SELECTED;
    if (selected != IsCellSelected(row, col)) {
        if (selected) {
            m_Selection.push_back({row, col, row, col});
        } else {
            std::vector<CCellRange> remaining;
            for (const CCellRange& r : m_Selection) {
                if (!r.Contains(row, col)) {
                    remaining.push_back(r);
                    continue;
                }
                const CCellRange parts[] = {{r.minRow, r.minCol, row - 1, r.maxCol},
                                            {row + 1, r.minCol, r.maxRow, r.maxCol},
                                            {row, r.minCol, row, col - 1},
                                            {row, col + 1, row, r.maxCol}};
                for (const CCellRange& part : parts) {
                    if (part.IsValid()) {
                        remaining.push_back(part);
                    }
                }
            }
            m_Selection.swap(remaining);
        }
    }
    Cell(row, col).m_State = static_cast<quint8>(state & ~GVIS_SELECTED);
    return true;
}

unsigned CGridCtrl::GetItemState(int row, int col) const
{
    if (!IsValid(row, col)) {
        return 0;
    }
    return Cell(row, col).m_State | (IsCellSelected(row, col) ? GVIS_SELECTED : 0u);
}

bool CGridCtrl::SetItemFormat(int row, int col, unsigned format)
{
    if (!IsValid(row, col)) {
        return false;
    }
    Cell(row, col).m_Format = static_cast<quint16>(format);
    return true;
}

unsigned CGridCtrl::GetItemFormat(int row, int col) const
{
    return IsValid(row, col) ? Cell(row, col).m_Format : 0u;
}

bool CGridCtrl::IsCellEditable(int row, int col) const
{
    if (!m_bEditable || !IsValid(row, col) || IsCellFixed(row, col)) {
        return false;
    }
    const CGridCell& cell = Cell(row, col);
    return !(cell.m_State & GVIS_READONLY) && cell.m_MergeAttr == 0;
}
