#pragma once

#include "grid/GridCtrl.h"

#include <QLineEdit>

// A single-line edit box laid over a cell while its text is edited. It ends
// on Tab, Enter, Escape (restoring the text), a moving key, or the loss of
// the focus, tells the grid once, and closes itself.
class CInPlaceEdit : public QLineEdit
{
    Q_OBJECT

public:
    CInPlaceEdit(QWidget* parent, const QRect& rect, Qt::Alignment alignment, int row, int col,
                 const QString& initialText, EditStart how, const QString& typed);

    int GetRow() const { return m_Row; }
    int GetColumn() const { return m_Column; }
    int GetLastKey() const { return m_LastKey; }
    // Reads the text and tells the grid; 0 as the key means the focus left.
    void EndEdit(int lastKey);

signals:
    void editEnded(int row, int col, const QString& text, int lastKey);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void GrowToFitText();

    int m_Row;
    int m_Column;
    QString m_InitialText;
    int m_LastKey = 0;
    bool m_ExitOnArrows;
    bool m_Ending = false;
};
