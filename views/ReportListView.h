#pragma once

#include <QTableView>

// The table of a report-style list page: Ctrl+C copies whole rows, and the
// page hears when the width its columns share changes.
class ReportListView : public QTableView
{
    Q_OBJECT

public:
    using QTableView::QTableView;

    // The title row and the selected rows in row order, one line each, their
    // cells separated by tabs, as a spreadsheet pastes them; lines joined
    // like the grid's. Empty when no row is selected.
    QString SelectedRowsText() const;

signals:
    // The viewport's width changed, for example as the vertical scroll bar
    // came or went.
    void VisibleWidthChanged(int width);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;
};
