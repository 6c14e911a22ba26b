#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

// The counts per cable of the Test Limits dialog: each cable's own
// connections and splices, or All where it takes the counts for all cables.
// A model with an editor made only for the cell being edited, rather than a
// widget per cell, so that a limit of tens of thousands of cables opens at
// once.
class CableCountsModel : public QAbstractTableModel
{
public:
    enum Column
    {
        CableColumn,
        ConnectionsColumn,
        SplicesColumn,
        ColumnCount
    };
    static constexpr int All = -1;

    // `titles` head the columns; `all` shows the count All.
    CableCountsModel(const QStringList& titles, const QString& all, QObject* parent);

    // Adds, in one step, the cables that are not listed yet, with All.
    void AddCables(const std::vector<std::string>& cables);
    bool Has(const std::string& cable) const { return m_RowOf.count(cable) != 0; }
    // The count of a listed cable in `column` (ConnectionsColumn or
    // SplicesColumn), and where it is.
    int Count(const std::string& cable, Column column) const;
    QModelIndex IndexOf(const std::string& cable, Column column) const;
    // Sets every count at once; `counts` gives a cable's own, All elsewhere.
    void SetCounts(const std::function<std::pair<int, int>(const std::string& cable)>& counts);
    const std::vector<std::string>& Cables() const { return m_Cables; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList m_Titles;
    QString m_All;
    std::vector<std::string> m_Cables; // in the order they were added
    std::vector<QString> m_Shown;      // as the names are shown
    std::vector<int> m_Connections, m_Splices;
    std::unordered_map<std::string, int> m_RowOf;
};

// A count's editor: a spin box from All, shown as `all`, to `largest`.
class CableCountDelegate : public QStyledItemDelegate
{
public:
    CableCountDelegate(const QString& all, int largest, QObject* parent);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

private:
    QString m_All;
    int m_Largest;
};
