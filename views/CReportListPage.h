#pragma once

#include "data/RowSink.h"

#include <QStringList>
#include <QWidget>

#include <vector>

class CDataStore;
class ReportListModel;
class ReportListView;

// A page holding one report-style list (id 1001): grid lines, full-row
// selection, centred columns. The decoders write rows into it as they read.
class CReportListPage : public QWidget, public RowSink
{
    Q_OBJECT

public:
    explicit CReportListPage(QWidget* parent = nullptr);

    // Removes every row and column, then inserts the page's columns sized to
    // the list's visible width: the page's, less a vertical scroll bar.
    void BuildColumns();
    // One row per record of the page's store list, numbered from 1.
    virtual void FillFromStore(const CDataStore& store) = 0;

    ReportListView* List() const { return m_List; }
    ReportListModel* Model() const { return m_Model; }
    int RowCount() const;
    QString CellText(int row, int column) const;

    void ClearRows() override;
    void InsertRow(int row, const std::string& number) override;
    void SetCell(int row, int column, const std::string& text) override;

protected:
    virtual QStringList ColumnTitles() const = 0;
    virtual int ColumnWidth(int visibleWidth) const = 0;
    void ReplaceRows(std::vector<QStringList> rows);
    void resizeEvent(QResizeEvent* event) override;

private:
    void SizeColumns(int visibleWidth);

    ReportListView* m_List;
    ReportListModel* m_Model;
};
