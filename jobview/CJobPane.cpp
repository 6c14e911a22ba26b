#include "jobview/CJobPane.h"

#include "jobs/JobTime.h"
#include "jobview/FibreStatus.h"
#include "jobview/JobSession.h"
#include "jobview/JobTreeModel.h"
#include "platform/ui/Prompts.h"
#include "views/DialogFolders.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {
// The entries of the filter after "All fibers", in FibreFilter's order.
constexpr std::array<FibreFilter, CJobPane::FilterChoices - 1> Filters = {
    FibreFilter::Failed, FibreFilter::Missing, FibreFilter::Incomplete, FibreFilter::Retested,
    FibreFilter::Conflicts};

enum TestColumn : int
{
    TestRole,
    TestTested,
    TestVerdict,
    TestFile,
    TestImported,
    TestRecord,
    TestColumns
};

const char* const ImportFilter =
    QT_TRANSLATE_NOOP("CJobPane", "Open Files (*.bin)|*.bin|"
                                  "Program documents (*.opm *.kav *.orl *.trace)|"
                                  "*.opm;*.kav;*.orl;*.trace|All Files (*)|*||");
const QString ImportDialogKind = QStringLiteral("JobImport");

size_t FilterCount(const JobCounts& counts, int choice)
{
    switch (choice) {
    case 1:
        return counts.fail;
    case 2:
        return counts.missing;
    case 3:
        return counts.incomplete;
    case 4:
        return counts.retested;
    case 5:
        return counts.conflicts;
    default:
        return counts.planned + counts.unplanned;
    }
}
} // namespace

CJobPane::CJobPane(JobSession& session, QWidget* parent)
    : QWidget(parent), m_Session(session), m_Title(new QLabel(this)), m_Counts(new QLabel(this)),
      m_Notice(new QLabel(this)), m_Filter(new QComboBox(this)), m_Tree(new QTreeView(this)),
      m_Model(new JobTreeModel(this)), m_Tests(new QTreeWidget(this)),
      m_Show(new QPushButton(tr("&Show in KAV Table"), this)),
      m_Choose(new QPushButton(tr("C&hoose This Test"), this)),
      m_Rename(new QPushButton(tr("Re&name..."), this))
{
    setObjectName(QStringLiteral("jobPane"));
    setAcceptDrops(true);

    auto* tools = new QToolBar(this);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_Import = tools->addAction(tr("&Import..."));
    connect(m_Import, &QAction::triggered, this, &CJobPane::ImportChosenFiles);
    m_Plan = tools->addAction(tr("&Plan..."));
    connect(m_Plan, &QAction::triggered, &m_Session, &JobSession::EditPlan);
    // The header's groups, as the window's Edit menu offers them.
    auto* header = new QMenu(tr("&Header"), this);
    header->setObjectName(QStringLiteral("headerMenu"));
    const struct
    {
        const char* text;
        HeaderGroup group;
    } groups[] = {{QT_TR_NOOP("&Job Information..."), HeaderGroup::Job},
                  {QT_TR_NOOP("&Cable Information..."), HeaderGroup::Cable},
                  {QT_TR_NOOP("&System Information..."), HeaderGroup::System},
                  {QT_TR_NOOP("&Test Information..."), HeaderGroup::Test}};
    for (const auto& entry : groups) {
        const HeaderGroup group = entry.group;
        connect(header->addAction(tr(entry.text)), &QAction::triggered, this,
                [this, group] { m_Session.EditHeader(group); });
    }
    m_Header = tools->addAction(tr("&Header"));
    m_Header->setMenu(header);
    if (auto* button = qobject_cast<QToolButton*>(tools->widgetForAction(m_Header)))
        button->setPopupMode(QToolButton::InstantPopup);
    m_Limit = tools->addAction(tr("&Limit..."));
    connect(m_Limit, &QAction::triggered, &m_Session, &JobSession::EditLimits);

    m_Title->setObjectName(QStringLiteral("jobTitle"));
    m_Title->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_Counts->setObjectName(QStringLiteral("jobCounts"));
    m_Counts->setWordWrap(true);
    m_Counts->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_Notice->setObjectName(QStringLiteral("jobNotice"));
    m_Notice->setWordWrap(true);
    m_Notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_Notice->hide();

    auto* filterLabel = new QLabel(tr("S&how:"), this);
    filterLabel->setBuddy(m_Filter);
    m_Filter->setObjectName(QStringLiteral("jobFilter"));
    connect(m_Filter, qOverload<int>(&QComboBox::activated), this, [this](int choice) {
        m_Model->SetFilter(choice <= 0 ? std::nullopt : std::optional<FibreFilter>(Filters[choice - 1]));
        ShowTests();
    });
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(m_Filter, 1);

    m_Tree->setObjectName(QStringLiteral("jobTree"));
    m_Tree->setModel(m_Model);
    // Every row is one line high: the view then lays out any number of them
    // without measuring each.
    m_Tree->setUniformRowHeights(true);
    m_Tree->setAlternatingRowColors(true);
    m_Tree->setAccessibleName(tr("Cables and fibers of the job"));
    m_Tree->header()->setSectionResizeMode(QHeaderView::Interactive);
    m_Tree->header()->setStretchLastSection(true);
    m_Tree->setColumnWidth(JobTreeModel::ColumnName, 110);
    m_Tree->setColumnWidth(JobTreeModel::ColumnStatus, 110);
    m_Tree->setColumnWidth(JobTreeModel::ColumnTests, 90);
    connect(m_Tree, &QTreeView::activated, this, [this](const QModelIndex& index) {
        if (const std::optional<uint32_t> fibre = m_Model->FibreAt(index))
            emit ShowFibre(*fibre);
    });
    connect(m_Tree->selectionModel(), &QItemSelectionModel::currentChanged, this, &CJobPane::ShowTests);
    connect(
        m_Tree, &QTreeView::expanded, this,
        [this](const QModelIndex& index) {
            if (const std::optional<uint32_t> cable = m_Model->CableAt(index))
                m_ExpandedCables.insert(m_Session.State().Name(m_Session.State().Cables()[*cable].name));
        });
    connect(m_Tree, &QTreeView::collapsed, this, [this](const QModelIndex& index) {
        if (const std::optional<uint32_t> cable = m_Model->CableAt(index))
            m_ExpandedCables.erase(m_Session.State().Name(m_Session.State().Cables()[*cable].name));
    });
    connect(m_Model, &QAbstractItemModel::modelReset, this, [this] {
        // A new model reset makes a new selection model's rows current.
        ShowTests();
    });

    auto* testsLabel = new QLabel(tr("&Tests of the fiber:"), this);
    testsLabel->setBuddy(m_Tests);
    m_Tests->setObjectName(QStringLiteral("jobTests"));
    m_Tests->setColumnCount(TestColumns);
    m_Tests->setHeaderLabels(
        {tr("Test"), tr("Tested"), tr("Verdict"), tr("File"), tr("Imported"), tr("Record")});
    m_Tests->setRootIsDecorated(false);
    m_Tests->setAccessibleName(tr("Tests of the fiber, current first"));
    m_Tests->setMaximumHeight(m_Tests->fontMetrics().height() * 8);
    connect(m_Tests, &QTreeWidget::currentItemChanged, this, &CJobPane::UpdateButtons);

    m_Show->setToolTip(tr("Shows the fiber's tests in the KAV table (Enter or a double-click does it too)"));
    m_Choose->setToolTip(
        tr("The selected test holds for the fiber; its other tests of that time stay in the job"));
    m_Rename->setToolTip(
        tr("Corrects a label typed wrongly at the unit; the original stays in the job (F2)"));
    connect(m_Show, &QPushButton::clicked, this, &CJobPane::ShowSelected);
    connect(m_Choose, &QPushButton::clicked, this, &CJobPane::ChooseSelectedTest);
    connect(m_Rename, &QPushButton::clicked, this, &CJobPane::RenameSelected);
    auto* renameKey = new QAction(this);
    renameKey->setShortcut(QKeySequence(Qt::Key_F2));
    renameKey->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(renameKey, &QAction::triggered, this, &CJobPane::RenameSelected);
    addAction(renameKey);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_Show);
    buttons->addWidget(m_Choose);
    buttons->addWidget(m_Rename);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tools);
    layout->addWidget(m_Title);
    layout->addWidget(m_Counts);
    layout->addWidget(m_Notice);
    layout->addLayout(filterRow);
    layout->addWidget(m_Tree, 1);
    layout->addWidget(testsLabel);
    layout->addWidget(m_Tests);
    layout->addLayout(buttons);

    connect(&m_Session, &JobSession::Changed, this, &CJobPane::Refresh);
    Refresh();
}

void CJobPane::Refresh()
{
    // The fibre selected stays selected, by its names, when it is still
    // there. The state has changed already: the names were kept before.
    const std::optional<std::pair<std::string, std::string>> kept = m_SelectedNames;
    const bool open = m_Session.IsOpen();
    const JobState& state = m_Session.State();
    m_Model->SetState(open ? &state : nullptr, m_Model->Filter());
    QString title = m_Session.Name();
    if (m_Session.ReadOnly())
        title = tr("%1 (read only)").arg(title);
    m_Title->setText(open ? title : tr("No job is open."));
    m_Title->setToolTip(m_Session.Path());
    m_Counts->setText(open ? JobCountsText(state.Totals()) : QString());
    FillFilterChoices();
    if (!open)
        m_ExpandedCables.clear();
    // The reset model shows every cable closed: those the user had open
    // open again. Expanding tells the set the names it holds already.
    for (int row = 0; row < m_Model->rowCount(); ++row) {
        const QModelIndex index = m_Model->index(row, 0);
        if (const std::optional<uint32_t> cable = m_Model->CableAt(index))
            if (m_ExpandedCables.count(state.Name(state.Cables()[*cable].name)) != 0)
                m_Tree->expand(index);
    }
    if (kept)
        if (const std::optional<uint32_t> fibre = state.FindFibre(kept->first, kept->second))
            SelectFibre(*fibre);
    ShowTests();
}

void CJobPane::FillFilterChoices()
{
    const char* const names[FilterChoices] = {QT_TR_NOOP("All fibers (%1)"), QT_TR_NOOP("Failed (%1)"),
                                              QT_TR_NOOP("Missing (%1)"),    QT_TR_NOOP("Incomplete (%1)"),
                                              QT_TR_NOOP("Retested (%1)"),   QT_TR_NOOP("In conflict (%1)")};
    const int chosen = std::max(0, m_Filter->currentIndex());
    m_Filter->clear();
    for (int choice = 0; choice < FilterChoices; ++choice)
        m_Filter->addItem(tr(names[choice]).arg(FilterCount(m_Session.State().Totals(), choice)));
    m_Filter->setCurrentIndex(chosen);
}

void CJobPane::SelectFibre(uint32_t fibre)
{
    const QModelIndex index = m_Model->IndexOfFibre(fibre);
    if (!index.isValid())
        return;
    m_Tree->expand(index.parent());
    m_Tree->setCurrentIndex(index);
    m_Tree->scrollTo(index);
}

std::optional<uint32_t> CJobPane::SelectedFibre() const
{
    return m_Model->FibreAt(m_Tree->currentIndex());
}

std::optional<uint32_t> CJobPane::SelectedCable() const
{
    const QModelIndex current = m_Tree->currentIndex();
    if (const std::optional<uint32_t> fibre = m_Model->FibreAt(current))
        return m_Session.State().Fibres()[*fibre].cable;
    return m_Model->CableAt(current);
}

std::optional<uint32_t> CJobPane::SelectedTest() const
{
    const QTreeWidgetItem* item = m_Tests->currentItem();
    if (!item)
        return std::nullopt;
    return item->data(TestRole, Qt::UserRole).toUInt();
}

void CJobPane::ShowTests()
{
    m_Tests->clear();
    m_SelectedNames.reset();
    if (const std::optional<uint32_t> fibre = SelectedFibre()) {
        const JobState& state = m_Session.State();
        const JobFibre& row = state.Fibres()[*fibre];
        m_SelectedNames.emplace(state.Name(state.Cables()[row.cable].name), state.Name(row.fiber));
        const auto [first, last] = state.RecordsOf(*fibre);
        for (const uint32_t* record = first; record != last; ++record) {
            const JobRecord& test = state.Records()[*record];
            auto* item = new QTreeWidgetItem(m_Tests);
            item->setText(TestRole, RecordRoleName(test.role));
            item->setData(TestRole, Qt::UserRole, *record);
            item->setText(TestTested, QString::fromStdString(std::string(test.Tested())));
            const FibreState verdict = StateOfVerdict(test.verdict);
            item->setText(TestVerdict, FibreStateName(verdict));
            item->setIcon(TestVerdict, FibreStateIcon(verdict));
            const StoredFile& file = state.Files()[test.file];
            item->setText(TestFile, QString::fromStdString(file.name));
            const QString imported = QString::fromStdString(JobTimeShown(file.importedAt));
            item->setText(TestImported,
                          file.importedBy.empty()
                              ? imported
                              : tr("%1 by %2").arg(imported, QString::fromStdString(file.importedBy)));
            item->setText(TestRecord, QString::fromStdString(state.RecordReference(*record)));
            if (test.Renamed())
                item->setToolTip(TestRole, tr("Imported as cable %1, fiber %2")
                                               .arg(QString::fromStdString(state.Name(test.importedCable)),
                                                    QString::fromStdString(state.Name(test.importedFiber))));
        }
        if (m_Tests->topLevelItemCount() > 0)
            m_Tests->setCurrentItem(m_Tests->topLevelItem(0));
    }
    UpdateButtons();
}

void CJobPane::UpdateButtons()
{
    const bool writable = m_Session.Writable();
    QString notice;
    if (m_Session.Lost())
        notice =
            tr("The connection to the server was lost: the job is shown as it was last read. Press F5 to "
               "reconnect.");
    else if (m_Session.ReadOnly())
        notice = m_Session.ReadOnlyReason();
    m_Notice->setText(notice);
    m_Notice->setVisible(!notice.isEmpty());
    // A greyed command says why in its tip.
    const struct
    {
        QAction* action;
        const char* tip;
    } commands[] = {
        {m_Import,
         QT_TR_NOOP("Imports result files and documents into the job; you may also drop them here")},
        {m_Plan, QT_TR_NOOP("Sets the cables and fibers the job expects")},
        {m_Header, QT_TR_NOOP("Edits the report header the job keeps")},
        {m_Limit, QT_TR_NOOP("Chooses the limit the job's tests are certified against")}};
    for (const auto& command : commands) {
        command.action->setEnabled(writable);
        command.action->setToolTip(writable || notice.isEmpty() ? tr(command.tip) : notice);
    }
    const std::optional<uint32_t> fibre = SelectedFibre();
    m_Show->setEnabled(fibre && m_Tests->topLevelItemCount() > 0);
    m_Rename->setEnabled(writable && SelectedCable().has_value());
    bool choosable = false;
    if (const std::optional<uint32_t> test = SelectedTest(); test && writable) {
        const RecordRole role = m_Session.State().Records()[*test].role;
        choosable = role == RecordRole::Conflicting || role == RecordRole::NotChosen;
    }
    m_Choose->setEnabled(choosable);
}

void CJobPane::ImportChosenFiles()
{
    const QStringList paths =
        Prompts::Current().OpenFiles(this, tr(ImportFilter), LastFolder(ImportDialogKind));
    if (paths.isEmpty())
        return;
    RememberFolder(ImportDialogKind, paths.front());
    m_Session.Import(paths);
}

void CJobPane::RenameSelected()
{
    if (const std::optional<uint32_t> cable = SelectedCable(); cable && m_Rename->isEnabled())
        m_Session.Rename(*cable, SelectedFibre());
}

void CJobPane::ChooseSelectedTest()
{
    if (const std::optional<uint32_t> test = SelectedTest(); test && m_Choose->isEnabled())
        m_Session.Choose(*test);
}

void CJobPane::ShowSelected()
{
    if (const std::optional<uint32_t> fibre = SelectedFibre())
        emit ShowFibre(*fibre);
}

void CJobPane::dragEnterEvent(QDragEnterEvent* event)
{
    if (m_Session.Writable() && event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CJobPane::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    event->acceptProposedAction();
    m_Session.Import(paths);
}
