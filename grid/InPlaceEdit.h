#pragma once

#include "GridCtrl.h"

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

    int GetRow() const { return m_nRow; }
    int GetColumn() const { return m_nColumn; }
    int GetLastKey() const { return m_nLastKey; }
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

    int m_nRow;
    int m_nColumn;
    QString m_sInitText;
    int m_nLastKey = 0;
    bool m_bExitOnArrows;
    bool m_bEnding = false;
};
