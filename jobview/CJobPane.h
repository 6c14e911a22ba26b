#pragma once

#include <QWidget>

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <utility>

class JobSession;
class JobTreeModel;
class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeView;
class QTreeWidget;

// The job beside the tabs: its name, the counts, a filter, the tree of
// cables and fibres with each one's state, and the tests of the fibre
// selected (current and history) with the choice of a test where they
// disagree. Files dropped on it are imported into the job.
class CJobPane : public QWidget
{
    Q_OBJECT

public:
    CJobPane(JobSession& session, QWidget* parent = nullptr);

    // Filters by combo entry: all fibres, then FibreFilter's order.
    static constexpr int FilterChoices = 6;

    QLabel* Counts() const { return m_Counts; }
    // Why nothing can be changed now (read only, the server lost); hidden
    // otherwise.
    QLabel* Notice() const { return m_Notice; }
    // The commands that change the job.
    QAction* ImportAction() const { return m_Import; }
    QAction* PlanAction() const { return m_Plan; }
    QAction* HeaderAction() const { return m_Header; }
    QAction* LimitAction() const { return m_Limit; }
    QComboBox* FilterBox() const { return m_Filter; }
    QTreeView* Tree() const { return m_Tree; }
    JobTreeModel* Model() const { return m_Model; }
    QTreeWidget* Tests() const { return m_Tests; }
    QPushButton* ChooseButton() const { return m_Choose; }
    QPushButton* RenameButton() const { return m_Rename; }

    // Selects the fibre's row (a JobState fibre), showing its tests.
    void SelectFibre(uint32_t fibre);
    // The JobState fibre and cable of the selected row.
    std::optional<uint32_t> SelectedFibre() const;
    std::optional<uint32_t> SelectedCable() const;
    // The JobState record of the selected test.
    std::optional<uint32_t> SelectedTest() const;

    // Asks for files (many at once) and imports them.
    void ImportChosenFiles();
    void RenameSelected();
    void ChooseSelectedTest();
    // Asks for the fibre's tests to be shown in the KAV table.
    void ShowSelected();

signals:
    void ShowFibre(uint32_t fibre);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Refresh();
    void FillFilterChoices();
    void ShowTests();
    void UpdateButtons();

    JobSession& m_Session;
    QLabel* m_Title;
    QLabel* m_Counts;
    QLabel* m_Notice;
    QAction* m_Import;
    QAction* m_Plan;
    QAction* m_Header;
    QAction* m_Limit;
    QComboBox* m_Filter;
    QTreeView* m_Tree;
    JobTreeModel* m_Model;
    QTreeWidget* m_Tests;
    QPushButton* m_Show;
    QPushButton* m_Choose;
    QPushButton* m_Rename;
    // The cable's and fiber's names of the fibre selected.
    std::optional<std::pair<std::string, std::string>> m_SelectedNames;
    // The cables the user expanded, by name, expanded again when the job is
    // read anew.
    std::set<std::string> m_ExpandedCables;
};
