#include "views/CableCountsModel.h"

#include "report/NameText.h"

#include <QSpinBox>

CableCountsModel::CableCountsModel(const QStringList& titles, const QString& all, QObject* parent)
    : QAbstractTableModel(parent), m_Titles(titles), m_All(all)
{
}

void CableCountsModel::AddCables(const std::vector<std::string>& cables)
{
    std::vector<std::string> added;
    for (const std::string& cable : cables)
        if (m_RowOf.emplace(cable, static_cast<int>(m_Cables.size() + added.size())).second)
            added.push_back(cable);
    if (added.empty())
        return;
    const int first = static_cast<int>(m_Cables.size());
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(added.size()) - 1);
    for (std::string& cable : added) {
        m_Shown.push_back(NameText(cable));
        m_Cables.push_back(std::move(cable));
    }
    m_Connections.resize(m_Cables.size(), All);
    m_Splices.resize(m_Cables.size(), All);
    endInsertRows();
}

int CableCountsModel::Count(const std::string& cable, Column column) const
{
    const int row = m_RowOf.at(cable);
    return column == ConnectionsColumn ? m_Connections[row] : m_Splices[row];
}

QModelIndex CableCountsModel::IndexOf(const std::string& cable, Column column) const
{
    const auto found = m_RowOf.find(cable);
    return found == m_RowOf.end() ? QModelIndex() : index(found->second, column);
}

void CableCountsModel::SetCounts(const std::function<std::pair<int, int>(const std::string& cable)>& counts)
{
    for (size_t row = 0; row < m_Cables.size(); ++row)
        std::tie(m_Connections[row], m_Splices[row]) = counts(m_Cables[row]);
    if (!m_Cables.empty())
        emit dataChanged(index(0, ConnectionsColumn), index(rowCount() - 1, SplicesColumn));
}

int CableCountsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_Cables.size());
}

int CableCountsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CableCountsModel::data(const QModelIndex& index, int role) const
{
    const auto row = static_cast<size_t>(index.row());
    if (!index.isValid() || row >= m_Cables.size())
        return {};
    if (index.column() == CableColumn)
        return role == Qt::DisplayRole ? QVariant(m_Shown[row]) : QVariant();
    const int count = index.column() == ConnectionsColumn ? m_Connections[row] : m_Splices[row];
    if (role == Qt::EditRole)
        return count;
    if (role == Qt::DisplayRole)
        return count == All ? QVariant(m_All) : QVariant(count);
    return {};
}

bool CableCountsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    bool number = false;
    const int count = value.toInt(&number);
    if (role != Qt::EditRole || !index.isValid() || index.column() == CableColumn || !number || count < All)
        return false;
    (index.column() == ConnectionsColumn ? m_Connections : m_Splices)[static_cast<size_t>(index.row())] =
        count;
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags CableCountsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return index.column() == CableColumn ? Qt::ItemIsEnabled
                                         : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant CableCountsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_Titles.size())
        return m_Titles[section];
    return {};
}

CableCountDelegate::CableCountDelegate(const QString& all, int largest, QObject* parent)
    : QStyledItemDelegate(parent), m_All(all), m_Largest(largest)
{
}

QWidget* CableCountDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                          const QModelIndex&) const
{
    auto* box = new QSpinBox(parent);
    box->setRange(CableCountsModel::All, m_Largest);
    box->setSpecialValueText(m_All);
    return box;
}
