#include "grid/GridCtrl.h"

#include <algorithm>

const CGridCell* CGridCtrl::GetCell(int row, int col) const
{
    return IsValid(row, col) ? &Cell(row, col) : nullptr;
}

quint16 CGridCtrl::ColourIndex(QRgb colour)
{
    const auto it = std::find(m_Colours.begin(), m_Colours.end(), colour);
    if (it != m_Colours.end())
        return static_cast<quint16>(it - m_Colours.begin());
    if (m_Colours.size() > 0xFFFF)
        return 0;
    m_Colours.push_back(colour);
    return static_cast<quint16>(m_Colours.size() - 1);
}

quint16 CGridCtrl::FontIndex(const QFont& font)
{
    if (font == this->font())
        return 0;
    const auto it = std::find(m_CellFonts.begin() + 1, m_CellFonts.end(), font);
    if (it != m_CellFonts.end())
        return static_cast<quint16>(it - m_CellFonts.begin());
    if (m_CellFonts.size() > 0xFFFF)
        return 0;
    m_CellFonts.push_back(font);
    return static_cast<quint16>(m_CellFonts.size() - 1);
}

const QFont& CGridCtrl::CellFont(const CGridCell& cell) const
{
    return cell.m_FontIndex == 0 ? font() : m_CellFonts[cell.m_FontIndex];
}

bool CGridCtrl::SetItem(const GridItem& item)
{
    if (!IsValid(item.row, item.col))
        return false;
    CGridCell& cell = Cell(item.row, item.col);
    if (Has(item.mask, ItemMask::Text))
        cell.m_Text = item.text;
    if (Has(item.mask, ItemMask::Image))
        cell.m_Image = static_cast<qint16>(std::clamp(item.image, -1, 0x7FFF));
    if (Has(item.mask, ItemMask::UserValue)) {
        if (item.userValue == 0)
            m_UserValues.remove(CellKey(item.row, item.col));
        else
            m_UserValues.insert(CellKey(item.row, item.col), item.userValue);
    }
    if (Has(item.mask, ItemMask::State))
        SetItemState(item.row, item.col, item.state);
    if (Has(item.mask, ItemMask::BkColour))
        cell.m_BkColourIndex = ColourIndex(item.bkColour);
    if (Has(item.mask, ItemMask::FgColour))
        cell.m_FgColourIndex = ColourIndex(item.fgColour);
    if (Has(item.mask, ItemMask::Format))
        cell.m_Format = item.format;
    if (Has(item.mask, ItemMask::Font))
        cell.m_FontIndex = FontIndex(item.font);
    return true;
}

bool CGridCtrl::GetItem(GridItem& item) const
{
    if (!IsValid(item.row, item.col))
        return false;
    const CGridCell& cell = Cell(item.row, item.col);
    if (Has(item.mask, ItemMask::Text))
        item.text = cell.m_Text;
    if (Has(item.mask, ItemMask::Image))
        item.image = cell.m_Image;
    if (Has(item.mask, ItemMask::UserValue))
        item.userValue = m_UserValues.value(CellKey(item.row, item.col), 0);
    if (Has(item.mask, ItemMask::State))
        item.state = GetItemState(item.row, item.col);
    if (Has(item.mask, ItemMask::BkColour))
        item.bkColour = ColourAt(cell.m_BkColourIndex);
    if (Has(item.mask, ItemMask::FgColour))
        item.fgColour = ColourAt(cell.m_FgColourIndex);
    if (Has(item.mask, ItemMask::Format))
        item.format = cell.m_Format;
    if (Has(item.mask, ItemMask::Font))
        item.font = CellFont(cell);
    return true;
}

bool CGridCtrl::SetItemText(int row, int col, const QString& text)
{
    if (!IsValid(row, col))
        return false;
    Cell(row, col).m_Text = text;
    return true;
}

QString CGridCtrl::GetItemText(int row, int col) const
{
    return IsValid(row, col) ? Cell(row, col).m_Text : QString();
}

bool CGridCtrl::SetItemState(int row, int col, CellState state)
{
    if (!IsValid(row, col))
        return false;
    // The selection is kept as ranges, not per cell, so that selecting
    // millions of cells costs nothing.
    const bool selected = Has(state, CellState::Selected);
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
                for (const CCellRange& part : parts)
                    if (part.IsValid())
                        remaining.push_back(part);
            }
            m_Selection.swap(remaining);
        }
    }
    Cell(row, col).m_State = state & ~CellState::Selected;
    return true;
}

CellState CGridCtrl::GetItemState(int row, int col) const
{
    if (!IsValid(row, col))
        return {};
    const CellState state = Cell(row, col).m_State;
    return IsCellSelected(row, col) ? state | CellState::Selected : state;
}

bool CGridCtrl::SetItemFormat(int row, int col, CellFormat format)
{
    if (!IsValid(row, col))
        return false;
    Cell(row, col).m_Format = format;
    return true;
}

CellFormat CGridCtrl::GetItemFormat(int row, int col) const
{
    return IsValid(row, col) ? Cell(row, col).m_Format : CellFormat{};
}

bool CGridCtrl::IsCellEditable(int row, int col) const
{
    if (!m_Editable || !IsValid(row, col) || IsCellFixed(row, col))
        return false;
    const CGridCell& cell = Cell(row, col);
    return !Has(cell.m_State, CellState::ReadOnly) && cell.m_MergeAttr == 0;
}
