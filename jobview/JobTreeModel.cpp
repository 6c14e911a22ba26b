#include "jobview/JobTreeModel.h"

#include "jobview/FibreStatus.h"

#include <algorithm>

namespace {
// A top row's internal id; a fibre's is its cable's row plus one.
constexpr quintptr CableRow = 0;

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}
} // namespace

JobTreeModel::JobTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

void JobTreeModel::SetState(const JobState* state, std::optional<FibreFilter> filter)
{
    beginResetModel();
    m_State = state;
    m_Filter = filter;
    Rebuild();
    endResetModel();
}

void JobTreeModel::SetFilter(std::optional<FibreFilter> filter)
{
    SetState(m_State, filter);
}

void JobTreeModel::Rebuild()
{
    m_Groups.clear();
    m_Kept.clear();
    if (!m_State)
        return;
    const std::vector<JobCable>& cables = m_State->Cables();
    if (!m_Filter) {
        m_Groups.reserve(cables.size());
        for (uint32_t c = 0; c < cables.size(); ++c)
            m_Groups.push_back({c, cables[c].fibresBegin, cables[c].fibresEnd, false});
        return;
    }
    m_Kept = m_State->Fibres(*m_Filter);
    const std::vector<JobFibre>& fibres = m_State->Fibres();
    // The kept fibres come in the job's order, so a cable's are together.
    for (uint32_t k = 0; k < m_Kept.size(); ++k) {
        const uint32_t cable = fibres[m_Kept[k]].cable;
        if (m_Groups.empty() || m_Groups.back().cable != cable)
            m_Groups.push_back({cable, k, k, false});
        m_Groups.back().end = k + 1;
    }
}

uint32_t JobTreeModel::FibreOf(const Group& group, int row) const
{
    const uint32_t at = group.begin + static_cast<uint32_t>(row);
    return m_Filter ? m_Kept[at] : at;
}

std::optional<uint32_t> JobTreeModel::FibreAt(const QModelIndex& index) const
{
    if (!index.isValid() || index.internalId() == CableRow)
        return std::nullopt;
    return FibreOf(m_Groups[index.internalId() - 1], index.row());
}

std::optional<uint32_t> JobTreeModel::CableAt(const QModelIndex& index) const
{
    if (!index.isValid() || index.internalId() != CableRow)
        return std::nullopt;
    return m_Groups[static_cast<size_t>(index.row())].cable;
}

QModelIndex JobTreeModel::IndexOfFibre(uint32_t fibre)
{
    if (!m_State || fibre >= m_State->Fibres().size())
        return {};
    const uint32_t cable = m_State->Fibres()[fibre].cable;
    const auto group = std::lower_bound(m_Groups.begin(), m_Groups.end(), cable,
                                        [](const Group& g, uint32_t c) { return g.cable < c; });
    if (group == m_Groups.end() || group->cable != cable)
        return {};
    uint32_t at = fibre;
    if (m_Filter) {
        const auto kept = std::lower_bound(m_Kept.begin() + group->begin, m_Kept.begin() + group->end, fibre);
        if (kept == m_Kept.begin() + group->end || *kept != fibre)
            return {};
        at = static_cast<uint32_t>(kept - m_Kept.begin());
    }
    const QModelIndex parent = createIndex(static_cast<int>(group - m_Groups.begin()), 0, CableRow);
    fetchMore(parent);
    return index(static_cast<int>(at - group->begin), 0, parent);
}

QModelIndex JobTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row < 0 || column < 0 || column >= ColumnCount || row >= rowCount(parent))
        return {};
    if (!parent.isValid())
        return createIndex(row, column, CableRow);
    return createIndex(row, column, static_cast<quintptr>(parent.row()) + 1);
}

QModelIndex JobTreeModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == CableRow)
        return {};
    return createIndex(static_cast<int>(child.internalId() - 1), 0, CableRow);
}

int JobTreeModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return static_cast<int>(m_Groups.size());
    if (parent.internalId() != CableRow || parent.column() != 0)
        return 0;
    const Group& group = m_Groups[static_cast<size_t>(parent.row())];
    return group.fetched ? static_cast<int>(group.end - group.begin) : 0;
}

int JobTreeModel::columnCount(const QModelIndex&) const
{
    return ColumnCount;
}

bool JobTreeModel::hasChildren(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return !m_Groups.empty();
    if (parent.internalId() != CableRow || parent.column() != 0)
        return false;
    const Group& group = m_Groups[static_cast<size_t>(parent.row())];
    return group.end > group.begin;
}

bool JobTreeModel::canFetchMore(const QModelIndex& parent) const
{
    if (!parent.isValid() || parent.internalId() != CableRow)
        return false;
    const Group& group = m_Groups[static_cast<size_t>(parent.row())];
    return !group.fetched && group.end > group.begin;
}

void JobTreeModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent))
        return;
    Group& group = m_Groups[static_cast<size_t>(parent.row())];
    beginInsertRows(parent, 0, static_cast<int>(group.end - group.begin) - 1);
    group.fetched = true;
    endInsertRows();
}

QVariant JobTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !m_State)
        return {};
    if (index.internalId() == CableRow)
        return CableData(m_Groups[static_cast<size_t>(index.row())], index.column(), role);
    return FibreData(FibreOf(m_Groups[index.internalId() - 1], index.row()), index.column(), role);
}

QVariant JobTreeModel::CableData(const Group& group, int column, int role) const
{
    const JobCable& cable = m_State->Cables()[group.cable];
    const FibreState state = CableState(cable.counts);
    const QString name = Text(m_State->Name(cable.name));
    switch (role) {
    case Qt::DisplayRole:
        switch (column) {
        case ColumnName:
            return name;
        case ColumnStatus:
            return FibreStateName(state);
        case ColumnTests:
            return tr("%1 of %2 tested")
                .arg(cable.counts.tested)
                .arg(cable.counts.planned + cable.counts.unplanned);
        default:
            return {};
        }
    case Qt::DecorationRole:
        return column == ColumnStatus ? QVariant(FibreStateIcon(state)) : QVariant();
    case Qt::ForegroundRole:
        return column == ColumnStatus ? QVariant(FibreStateColour(state).darker(130)) : QVariant();
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return tr("Cable %1: %2").arg(name, FibreStateName(state));
    default:
        return {};
    }
}

QVariant JobTreeModel::FibreData(uint32_t fibreIndex, int column, int role) const
{
    const JobFibre& fibre = m_State->Fibres()[fibreIndex];
    QString status = FibreStateName(fibre.state);
    if (!fibre.planned)
        status = tr("%1, unplanned").arg(status);
    if (fibre.retested)
        status = tr("%1, retested").arg(status);
    const uint32_t tests = fibre.recordsEnd - fibre.recordsBegin;
    switch (role) {
    case Qt::DisplayRole:
        switch (column) {
        case ColumnName:
            return Text(m_State->Name(fibre.fiber));
        case ColumnStatus:
            return status;
        case ColumnTests:
            return tests;
        case ColumnTested:
            if (tests == 0)
                return {};
            return QString::fromStdString(
                std::string(m_State->Records()[*m_State->RecordsOf(fibreIndex).first].Tested()));
        default:
            return {};
        }
    case Qt::DecorationRole:
        return column == ColumnStatus ? QVariant(FibreStateIcon(fibre.state)) : QVariant();
    case Qt::ForegroundRole:
        return column == ColumnStatus ? QVariant(FibreStateColour(fibre.state).darker(130)) : QVariant();
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return tr("Cable %1, fiber %2: %3; %n test(s)", nullptr, static_cast<int>(tests))
            .arg(Text(m_State->Name(m_State->Cables()[fibre.cable].name)), Text(m_State->Name(fibre.fiber)),
                 status);
    default:
        return {};
    }
}

QVariant JobTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case ColumnName:
        return tr("Cable / Fiber");
    case ColumnStatus:
        return tr("Status");
    case ColumnTests:
        return tr("Tests");
    case ColumnTested:
        return tr("Last tested");
    default:
        return {};
    }
}
