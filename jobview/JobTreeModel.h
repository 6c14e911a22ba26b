#pragma once

#include "jobs/JobState.h"

#include <QAbstractItemModel>

#include <cstdint>
#include <optional>
#include <vector>

// The job's tree for a view: cables at the top, each with its fibres, in
// the job's order, read from the job's state by index as rows are shown. A
// filter keeps the fibres it names and the cables that hold any. A cable's
// fibres are handed to the view when it is first opened, so that a job of
// hundreds of thousands of fibres opens with its cables alone.
class JobTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Column : int
    {
        ColumnName,
        ColumnStatus,
        ColumnTests,
        ColumnTested,
        ColumnCount
    };
    explicit JobTreeModel(QObject* parent = nullptr);

    // `state` outlives the model, or the next call; null empties the tree.
    void SetState(const JobState* state, std::optional<FibreFilter> filter);
    void SetFilter(std::optional<FibreFilter> filter);
    std::optional<FibreFilter> Filter() const { return m_Filter; }

    // The JobState fibre or cable of a row; nothing for the other kind.
    std::optional<uint32_t> FibreAt(const QModelIndex& index) const;
    std::optional<uint32_t> CableAt(const QModelIndex& index) const;
    // The row of the JobState fibre, its cable's fibres fetched; invalid
    // when the filter leaves it out.
    QModelIndex IndexOfFibre(uint32_t fibre);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    // A cable's row: its fibres are [begin, end) of the state's fibres, or
    // of m_Kept under a filter; in the view once fetched.
    struct Group
    {
        uint32_t cable;
        uint32_t begin, end;
        bool fetched;
    };

    void Rebuild();
    uint32_t FibreOf(const Group& group, int row) const;
    QVariant CableData(const Group& group, int column, int role) const;
    QVariant FibreData(uint32_t fibreIndex, int column, int role) const;

    const JobState* m_State = nullptr;
    std::optional<FibreFilter> m_Filter;
    std::vector<uint32_t> m_Kept; // the fibres the filter keeps, in the job's order
    std::vector<Group> m_Groups;
};
