#include "grid/GridCtrl.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QRegularExpression>
#include <algorithm>

CCellRange CGridCtrl::SelectionBounds() const
{
    CCellRange bounds = m_Selection.empty() ? CCellRange() : m_Selection.front();
    for (const CCellRange& range : m_Selection) {
        bounds = {std::min(bounds.minRow, range.minRow), std::min(bounds.minCol, range.minCol),
                  std::max(bounds.maxRow, range.maxRow), std::max(bounds.maxCol, range.maxCol)};
    }
    return bounds;
}

QString CGridCtrl::CopyText() const
{
    if (m_Selection.empty())
        return QString();
    const CCellRange bounds = SelectionBounds();
    QString text;
    if (m_CopyTitles)
        for (int row = 0; row < m_FixedRowCount; ++row) {
            for (int col = bounds.minCol; col <= bounds.maxCol; ++col) {
                text += Cell(row, col).m_Text.simplified();
                text += col < bounds.maxCol ? QLatin1Char('\t') : QLatin1Char('\n');
            }
        }
    for (int row = bounds.minRow; row <= bounds.maxRow; ++row) {
        for (int col = bounds.minCol; col <= bounds.maxCol; ++col) {
            if (IsCellSelected(row, col)) {
                const QString& cellText = Cell(row, col).m_Text;
                text += cellText.isEmpty() ? QStringLiteral(" ") : cellText;
            }
            if (col < bounds.maxCol)
                text += QLatin1Char('\t');
        }
        if (row < bounds.maxRow)
            text += QLatin1Char('\n');
    }
    return text;
}

void CGridCtrl::OnEditCopy()
{
    if (CanCopy())
        QGuiApplication::clipboard()->setText(CopyText());
}

void CGridCtrl::OnEditCut()
{
    if (!CanCut())
        return;
    OnEditCopy();
    // Selections made with Ctrl may overlap; each cell is emptied once.
    const CCellRange bounds = SelectionBounds();
    std::vector<CCellId> cleared;
    for (int row = bounds.minRow; row <= bounds.maxRow; ++row) {
        for (int col = bounds.minCol; col <= bounds.maxCol; ++col)
            if (IsCellSelected(row, col) && IsCellEditable(row, col))
                cleared.push_back({row, col});
    }
    ClearCellsWithNotification(cleared);
    Redraw();
}

bool CGridCtrl::CanPaste() const
{
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    return IsCellEditable(m_FocusCell.row, m_FocusCell.col) && mime && mime->hasText();
}

bool CGridCtrl::OnEditPaste()
{
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!m_Editable || !mime || !mime->hasText())
        return false;
    const CCellId target = m_FocusCell.IsValid() ? m_FocusCell : GetTopleftNonFixedCell();
    PasteText(mime->text(), target);
    return true;
}

void CGridCtrl::PasteText(const QString& text, CCellId target)
{
    if (!IsValid(target.row, target.col))
        return;
    QStringList lines = text.split(QLatin1Char('\n'));
    // The line end that closes the last line does not start another one.
    if (lines.size() > 1 && lines.back().isEmpty())
        lines.removeLast();
    static const QRegularExpression separators(QStringLiteral("[\t,\n]"));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QStringList fields =
            line.isEmpty() ? QStringList{QStringLiteral(" ")} : line.split(separators, Qt::SkipEmptyParts);
        for (int j = 0; j < fields.size(); ++j) {
            const int row = target.row + i;
            const int col = target.col + j;
            if (!IsValid(row, col) || Cell(row, col).m_MergeAttr != 0 ||
                Has(Cell(row, col).m_State, CellState::ReadOnly))
                continue;
            emit beginEdit(row, col);
            SetItemText(row, col, fields[j]);
            emit endEdit(row, col);
            SetItemState(row, col, GetItemState(row, col) & ~CellState::Selected);
            RedrawCell(row, col);
        }
    }
    Redraw();
}

void CGridCtrl::OnEditSelectAll()
{
    if (CanSelectAll())
        SelectAllCells();
}
