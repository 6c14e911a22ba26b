#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

// The rows of a report-style list: column titles and rows of texts, every
// cell centred.
class ReportListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetColumns(const QStringList& titles); // also removes every row
    void ClearRows();
    void AppendRow(const QString& first);
    void SetCell(int row, int column, const QString& text);
    void ReplaceRows(std::vector<QStringList> rows);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_Titles;
    std::vector<QStringList> m_Rows; // each row holds one text per column
};
