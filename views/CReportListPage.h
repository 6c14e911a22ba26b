#pragma once

#include "data/RecordColumns.h"
#include "data/RowSink.h"
#include "report/NameText.h"

#include <QStringList>
#include <QWidget>

#include <vector>

class CDataStore;
class ReportListModel;
class ReportListView;

// A page holding one report-style list (id 1001): grid lines, full-row
// selection, centred columns sharing the list's width equally. The decoders
// write rows into it as they read.
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

    template <typename Record, size_t N> static QStringList TitlesOf(const RecordColumns<Record, N>& table)
    {
        QStringList titles;
        for (const RecordColumn<Record>& column : table.columns)
            titles.push_back(column.listTitle);
        return titles;
    }
    // One row per record: its number from 1, then its fields as shown.
    template <typename Record, size_t N>
    void FillRows(const RecordColumns<Record, N>& table, const std::vector<Record>& records)
    {
        std::vector<QStringList> rows;
        rows.reserve(records.size());
        for (size_t i = 0; i < records.size(); ++i) {
            QStringList& row = rows.emplace_back();
            for (const RecordColumn<Record>& column : table.columns) {
                if (!column.field) {
                    row.push_back(QString::number(i + 1));
                    continue;
                }
                const std::string_view text = column.field(records[i]);
                row.push_back(NameText(text));
            }
        }
        ReplaceRows(std::move(rows));
    }
    void ReplaceRows(std::vector<QStringList> rows);
    void resizeEvent(QResizeEvent* event) override;

private:
    void SizeColumns(int visibleWidth);

    ReportListView* m_List;
    ReportListModel* m_Model;
};
