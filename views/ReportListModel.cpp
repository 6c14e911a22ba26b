#include "views/ReportListModel.h"

void ReportListModel::SetColumns(const QStringList& titles)
{
    beginResetModel();
    m_Titles = titles;
    m_Rows.clear();
    endResetModel();
}

void ReportListModel::ClearRows()
{
    if (m_Rows.empty())
        return;
    beginResetModel();
    m_Rows.clear();
    endResetModel();
}

void ReportListModel::AppendRow(const QString& first)
{
    const int row = static_cast<int>(m_Rows.size());
    beginInsertRows(QModelIndex(), row, row);
    QStringList texts;
    for (int column = 0; column < m_Titles.size(); ++column)
        texts.append(column == 0 ? first : QString());
    m_Rows.push_back(texts);
    endInsertRows();
}

void ReportListModel::SetCell(int row, int column, const QString& text)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return;
    m_Rows[static_cast<size_t>(row)][column] = text;
    emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
}

void ReportListModel::ReplaceRows(std::vector<QStringList> rows)
{
    beginResetModel();
    m_Rows = std::move(rows);
    for (QStringList& texts : m_Rows)
        while (texts.size() < m_Titles.size())
            texts.append(QString());
    endResetModel();
}

int ReportListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_Rows.size());
}

int ReportListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_Titles.size());
}

QVariant ReportListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return QVariant();
    if (role == Qt::DisplayRole)
        return m_Rows[static_cast<size_t>(index.row())].value(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return QVariant();
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_Titles.size())
        return QVariant();
    if (role == Qt::DisplayRole)
        return m_Titles[section];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return QVariant();
}
