#include "views/ReportListView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QResizeEvent>

#include <algorithm>

QString ReportListView::SelectedRowsText() const
{
    if (!model() || !selectionModel())
        return QString();
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());

    QStringList lines;
    if (rows.isEmpty())
        return QString();
    // The titles first, so that the pasted columns can be told apart.
    QStringList titles;
    for (int column = 0; column < model()->columnCount(); ++column)
        titles << model()->headerData(column, Qt::Horizontal).toString();
    lines << titles.join(QLatin1Char('\t'));
    for (int row : rows) {
        QStringList cells;
        for (int column = 0; column < model()->columnCount(); ++column)
            cells << model()->index(row, column).data().toString();
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

void ReportListView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        const QString text = SelectedRowsText();
        if (!text.isEmpty())
            QGuiApplication::clipboard()->setText(text);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool ReportListView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        const auto* resize = static_cast<QResizeEvent*>(event);
        if (resize->size().width() != resize->oldSize().width())
            emit VisibleWidthChanged(resize->size().width());
    }
    return QTableView::viewportEvent(event);
}
