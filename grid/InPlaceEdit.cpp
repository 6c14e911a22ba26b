#include "grid/InPlaceEdit.h"

#include <QKeyEvent>

CInPlaceEdit::CInPlaceEdit(QWidget* parent, const QRect& rect, Qt::Alignment alignment, int row, int col,
                           const QString& initialText, EditStart how, const QString& typed)
    : QLineEdit(parent), m_Row(row), m_Column(col), m_InitialText(initialText),
      m_ExitOnArrows(how != EditStart::Mouse)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(parent->font());
    setAlignment(alignment | Qt::AlignVCenter);
    setGeometry(rect);
    setText(initialText);
    show();
    setFocus(Qt::OtherFocusReason);
    switch (how) {
    case EditStart::Mouse:
    case EditStart::Enter:
        end(false);
        break;
    case EditStart::Backspace:
        end(false);
        backspace();
        break;
    case EditStart::Navigation:
        selectAll();
        break;
    case EditStart::Character:
        selectAll();
        insert(typed);
        break;
    }
}

bool CInPlaceEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Alt combinations are swallowed while editing, so no menu opens.
        if (key->modifiers() & Qt::AltModifier) {
            event->accept();
            return true;
        }
        // Tab ends the edit here instead of moving the focus.
        if (event->type() == QEvent::KeyPress &&
            (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CInPlaceEdit::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (m_ExitOnArrows || (event->modifiers() & Qt::ControlModifier)) {
            EndEdit(key);
            return;
        }
        break;
    case Qt::Key_Tab:
        EndEdit((event->modifiers() & Qt::ShiftModifier) ? int(Qt::Key_Backtab) : key);
        return;
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        EndEdit(key);
        return;
    case Qt::Key_Escape:
        setText(m_InitialText);
        EndEdit(key);
        return;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
    GrowToFitText();
}

void CInPlaceEdit::GrowToFitText()
{
    const int needed = fontMetrics().horizontalAdvance(text() + QStringLiteral("  "));
    if (needed <= width())
        return;
    const int limit = parentWidget()->width() - x();
    resize(std::min(needed, limit), height());
}

void CInPlaceEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    EndEdit(0);
}

void CInPlaceEdit::EndEdit(int lastKey)
{
    if (m_Ending)
        return;
    m_Ending = true;
    m_LastKey = lastKey;
    const QString finalText = text();
    hide();
    emit editEnded(m_Row, m_Column, finalText, lastKey);
    close();
}
