#include "app/CKAVApp.h"
#include "app/CMainFrame.h"
#include "app/JobDock.h"
#include "app/RecentFiles.h"
#include "app/WindowLanguage.h"
#include "data/LossTestRules.h"
#include "jobs/Job.h"
#include "jobs/JobPlan.h"
#include "jobview/CJobPane.h"
#include "jobview/JobSession.h"
#include "jobview/JobTreeModel.h"
#include "tests/support/LossTestRecords.h"
#include "tests/views/ViewTestSupport.h"
#include "tools/make-samples/ResultFileEncoder.h"
#include "tools/make-samples/SampleSet.h"
#include "views/CInfoDialog.h"
#include "views/CTestLimitsDlg.h"
#include "views/DialogRunner.h"
#include "views/Tabs.h"

#include <QComboBox>
#include <QDialog>
#include <QDockWidget>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTreeView>
#include <QTreeWidget>

// A job in the window as a technician uses it: made, planned and filled
// from two units' files through the File menu, its tree, counts and
// filters, a conflict chosen, labels corrected, a fibre's tests in the KAV
// table, the handover exported, a cancelled import, and jobs that do not
// open.
class JobWindowTest : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        ScratchSettings settings;
        ScriptedPrompts prompts;
        QTemporaryDir dir;
        CKAVApp app{[](QWidget* parent) { return std::make_unique<FakeAutoTrace>(parent); }};
        QString unitA = dir.filePath("unit-a.bin"), unitB = dir.filePath("unit-b.bin");
        QString job = dir.filePath("site.kavjob");

        Fixture()
        {
            app.InitInstance({});
            // The keys reach the window that has the focus.
            Frame().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&Frame()));
            // Unit A fails CAB-1 F1 on the 1st, unit B passes it on the 2nd;
            // both test CAB-1 F3 at the same time with different losses.
            WriteFile(unitA,
                      QByteArray::fromStdString(EncodeKavResult(
                          ThreeWaveLengths,
                          {LossTest("CAB-1", "F1", 2.5f, 1, 10), LossTest("CAB-1", "F2", 0.5f, 1, 10),
                           LossTest("CAB-1", "F3", 0.5f, 3, 10), LossTest("CAB-2", "F1", 2.5f, 1, 10)})));
            WriteFile(unitB, QByteArray::fromStdString(
                                 EncodeKavResult(ThreeWaveLengths, {LossTest("CAB-1", "F1", 0.5f, 2, 10),
                                                                    LossTest("CAB-1", "F3", 0.7f, 3, 10),
                                                                    LossTest("CAB-9", "F1", 0.5f, 2, 10)})));
        }
        CMainFrame& Frame() { return *app.MainFrame(); }
        JobDock& Jobs() { return *Frame().Jobs(); }
        CJobPane& Pane() { return *Jobs().Pane(); }
        const JobState& State() { return Jobs().Session().State(); }
        uint32_t Fibre(const char* cable, const char* fiber)
        {
            const std::optional<uint32_t> fibre = State().FindFibre(cable, fiber);
            return fibre ? *fibre : UINT32_MAX;
        }
        // New Job, a plan, and both units' files imported at once.
        void MakeJob()
        {
            prompts.QueueFile(dir.filePath("site"));
            Frame().OnCommand(CommandId::FileNewJob);
            prompts.QueueText("CAB-{1..2}/F{1..3}");
            Jobs().Session().EditPlan();
            prompts.QueueFiles({unitA, unitB});
            Frame().OnCommand(CommandId::FileImportIntoJob);
        }
        // Every row of the tree, cables with their fibres indented.
        QStringList Rows()
        {
            QStringList rows;
            const JobTreeModel& model = *Pane().Model();
            for (int c = 0; c < model.rowCount(); ++c) {
                const QModelIndex cable = model.index(c, 0);
                rows << Row(cable, "");
                while (Pane().Model()->canFetchMore(cable))
                    Pane().Model()->fetchMore(cable);
                for (int f = 0; f < model.rowCount(cable); ++f)
                    rows << Row(model.index(f, 0, cable), "  ");
            }
            return rows;
        }
        QString Row(const QModelIndex& name, const char* indent)
        {
            QStringList cells;
            for (int column = 0; column < JobTreeModel::ColumnTested; ++column)
                cells << name.siblingAtColumn(column).data().toString();
            return indent + cells.join('|');
        }
        QString LastMessage() { return prompts.MessageTexts().value(prompts.MessageTexts().size() - 1); }
    };

private slots:
    // The English plurals ("1 test", "2 files") come from its translation.
    void initTestCase() { QVERIFY(WindowLanguage::Install("en", KAV_TRANSLATIONS_DIR)); }

    void theJobsTreeCountsAndFilters()
    {
        Fixture f;
        QVERIFY(!f.Jobs().Dock()->isVisible());
        QVERIFY(!f.Frame().Action(CommandId::FileImportIntoJob)->isEnabled());
        f.MakeJob();
        QVERIFY(QFileInfo::exists(f.job));
        QVERIFY(f.Jobs().Dock()->isVisible());
        QVERIFY(f.Frame().Action(CommandId::FileImportIntoJob)->isEnabled());
        QCOMPARE(f.LastMessage(), QString("2 files imported into the job."));
        QCOMPARE(f.prompts.Unexpected().size(), size_t(0));

        // The plan's cables first, then those tested but not planned.
        QCOMPARE(f.Rows(),
                 QStringList({"CAB-1|Conflict|3 of 3 tested", "  F1|Pass, retested|2", "  F2|Pass|1",
                              "  F3|Conflict|2", "CAB-2|Fail|1 of 3 tested", "  F1|Fail|1", "  F2|Missing|0",
                              "  F3|Missing|0", "CAB-9|Pass|1 of 1 tested", "  F1|Pass, unplanned|1"}));
        // Each filter by its count, and the fibres it keeps.
        const struct
        {
            const char* choice;
            QStringList rows;
        } filters[] = {{"All fibers (7)", {}},
                       {"Failed (1)", {"CAB-2|Fail|1 of 3 tested", "  F1|Fail|1"}},
                       {"Missing (2)", {"CAB-2|Fail|1 of 3 tested", "  F2|Missing|0", "  F3|Missing|0"}},
                       {"Incomplete (0)", {}},
                       {"Retested (1)", {"CAB-1|Conflict|3 of 3 tested", "  F1|Pass, retested|2"}},
                       {"In conflict (1)", {"CAB-1|Conflict|3 of 3 tested", "  F3|Conflict|2"}}};
        QComboBox& box = *f.Pane().FilterBox();
        for (int choice = 1; choice < CJobPane::FilterChoices; ++choice) {
            QCOMPARE(box.itemText(choice), QString(filters[choice].choice));
            box.setCurrentIndex(choice);
            emit box.activated(choice);
            QCOMPARE(f.Rows(), filters[choice].rows);
        }
        QCOMPARE(box.itemText(0), QString(filters[0].choice));
        // Screen readers read each row's state as words.
        box.setCurrentIndex(0);
        emit box.activated(0);
        f.Pane().SelectFibre(f.Fibre("CAB-2", "F1"));
        QCOMPARE(f.Pane().Tree()->currentIndex().data(Qt::AccessibleTextRole).toString(),
                 QString("Cable CAB-2, fiber F1: Fail; 1 test"));
    }

    // The same files again change nothing; a cancel part way leaves the
    // job as it was; a file dropped on the job goes into it.
    void importingAgainCancellingAndDropping()
    {
        Fixture f;
        f.MakeJob();
        f.prompts.QueueFiles({f.unitA, f.unitB});
        f.Frame().OnCommand(CommandId::FileImportIntoJob);
        QCOMPARE(f.LastMessage(), QString("0 files imported into the job."));
        QCOMPARE(f.prompts.Asked().back().detail.count("in the job already"), 2);
        QCOMPARE(f.State().Totals().files, size_t(2));

        // Two new files, stopped while the second is written: the first,
        // done already, goes back out with it.
        const QString unitC = f.dir.filePath("unit-c.bin"), unitD = f.dir.filePath("unit-d.bin");
        WriteFile(unitC, QByteArray::fromStdString(
                             EncodeKavResult(ThreeWaveLengths, {LossTest("CAB-2", "F2", 0.5f, 4, 10)})));
        WriteFile(unitD, QByteArray::fromStdString(
                             EncodeKavResult(ThreeWaveLengths, {LossTest("CAB-2", "F3", 0.5f, 4, 10)})));
        f.prompts.QueueFiles({unitC, unitD});
        f.prompts.QueueProgressCancel(3); // two steps a file: reading it, writing it
        f.Frame().OnCommand(CommandId::FileImportIntoJob);
        QVERIFY2(f.LastMessage().startsWith("Cancelled: the job"), qPrintable(f.LastMessage()));
        JobState kept;
        std::unique_ptr<Job> reader;
        QVERIFY(Job::Open(f.job.toStdString(), {}, reader).ok() && reader->Read(kept).ok());
        QCOMPARE(kept.Totals().files, size_t(2));
        QCOMPARE(kept.Totals().missing, size_t(2));

        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(unitC)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&f.Pane(), &enter);
        QVERIFY(enter.isAccepted());
        QCoreApplication::sendEvent(&f.Pane(), &drop);
        QCOMPARE(f.State().Totals().files, size_t(3));
        QCOMPARE(f.State().Fibres()[f.Fibre("CAB-2", "F2")].state, FibreState::Pass);
    }

    // The user chooses between disagreeing tests; a mistyped cable and a
    // fiber are corrected; a fibre's tests go to the KAV table, current
    // first, by the keyboard.
    void choosingRenamingAndShowingTests()
    {
        Fixture f;
        f.MakeJob();
        f.Pane().SelectFibre(f.Fibre("CAB-1", "F3"));
        QTreeWidget& tests = *f.Pane().Tests();
        QCOMPARE(tests.topLevelItemCount(), 2);
        QCOMPARE(tests.topLevelItem(0)->text(0), QString("Conflicting"));
        QCOMPARE(tests.topLevelItem(1)->text(0), QString("Conflicting"));
        const QString chosen = tests.topLevelItem(1)->text(5);
        tests.setCurrentItem(tests.topLevelItem(1));
        QVERIFY(f.Pane().ChooseButton()->isEnabled());
        f.Pane().ChooseButton()->click();
        QCOMPARE(f.State().Fibres()[f.Fibre("CAB-1", "F3")].state, FibreState::Pass);
        QCOMPARE(tests.topLevelItem(0)->text(0), QString("Current"));
        QCOMPARE(tests.topLevelItem(0)->text(5), chosen);
        QCOMPARE(tests.topLevelItem(1)->text(0), QString("Not chosen"));

        // The cable: one question. The fiber: its cable, then its name.
        const struct
        {
            const char* cable;
            const char* fiber; // empty: the cable's row
            QStringList answers;
            const char* newCable;
            const char* newFiber;
            const char* said;
        } renames[] = {
            {"CAB-9", "", {"CAB-3"}, "CAB-3", "F1", "1 test renamed. The original names stay in the job."},
            {"CAB-1",
             "F2",
             {"CAB-1", "F4"},
             "CAB-1",
             "F4",
             "1 test renamed. The original names stay in the job."}};
        for (const auto& rename : renames) {
            f.Pane().SelectFibre(f.Fibre(rename.cable, *rename.fiber ? rename.fiber : "F1"));
            if (!*rename.fiber)
                f.Pane().Tree()->setCurrentIndex(f.Pane().Tree()->currentIndex().parent());
            for (const QString& answer : rename.answers)
                f.prompts.QueueText(answer);
            f.Pane().Tree()->setFocus();
            QTest::keyClick(f.Pane().Tree(), Qt::Key_F2);
            QCOMPARE(f.LastMessage(), QString(rename.said));
            QVERIFY(f.State().FindFibre(rename.newCable, rename.newFiber));
            // The old name keeps no test: gone, or a planned fibre missing.
            const char* oldFiber = *rename.fiber ? rename.fiber : "F1";
            const std::optional<uint32_t> old = f.State().FindFibre(rename.cable, oldFiber);
            QVERIFY(!old || f.State().Fibres()[*old].state == FibreState::Missing);
        }
        QCOMPARE(f.prompts.Unexpected().size(), size_t(0));

        f.Pane().SelectFibre(f.Fibre("CAB-1", "F1"));
        f.Pane().Tree()->setFocus();
        QTest::keyClick(f.Pane().Tree(), Qt::Key_Return);
        CKAVView& view = *f.Frame().View();
        QCOMPARE(view.SelectedTab(), int(TabKav));
        const CDataStore& store = view.Store();
        QCOMPARE(store.KavRecordCount(), size_t(2));
        QCOMPARE(KavRecordAt(store, 0).lossAB[0], 0.5f);
        QCOMPARE(KavRecordAt(store, 1).lossAB[0], 2.5f);
        QVERIFY(f.Frame().windowTitle().contains("cable CAB-1, fiber F1"));
    }

    // The pane's Header menu offers the groups of the window's Edit menu;
    // each is edited in the window's own dialog and kept in the job alone:
    // the window's header stays as it was.
    void theJobsHeaderIsEditedInTheWindowsDialog()
    {
        Fixture f;
        f.MakeJob();
        const auto* menu = f.Pane().findChild<QMenu*>("headerMenu");
        QVERIFY(menu);
        QStringList groups;
        for (const QAction* action : menu->actions())
            groups << action->text();
        QCOMPARE(groups, QStringList({"&Job Information...", "&Cable Information...",
                                      "&System Information...", "&Test Information..."}));
        QString asked;
        SetDialogRunner([&asked](QDialog& dialog) {
            asked = dialog.windowTitle();
            static_cast<CInfoDialog&>(dialog).Edit(1068)->setText("2026-01-05");
            return int(QDialog::Accepted);
        });
        menu->actions().back()->trigger();
        SetDialogRunner(nullptr);
        QCOMPARE(asked, QString("Test Information"));
        std::unique_ptr<Job> reader;
        InfoFields header;
        QVERIFY(Job::Open(f.job.toStdString(), {}, reader).ok() && reader->ReadHeader(header).ok());
        QCOMPARE(header.CalibrationDateA, std::string("2026-01-05"));
        QCOMPARE(f.Frame().View()->Store().GetInfoFields().CalibrationDateA, std::string());
    }

    // A limit set in the window's Test Limits dialog holds for the job: a
    // fixed 3 dB passes the 2.5 dB fibre that failed the unit's 1.50 dB.
    void theJobsLimitIsSetInTheWindowsDialog()
    {
        Fixture f;
        f.MakeJob();
        QCOMPARE(f.State().Fibres()[f.Fibre("CAB-2", "F1")].state, FibreState::Fail);
        TestLimits fixed;
        fixed.method = LimitMethod::Fixed;
        for (const int32_t waveLength : {1310, 1490, 1550})
            fixed.fixed[waveLength] = Figure("3");
        SetDialogRunner([&fixed](QDialog& dialog) {
            static_cast<CTestLimitsDlg&>(dialog).Load(fixed);
            return int(QDialog::Accepted);
        });
        f.Pane().LimitAction()->trigger();
        SetDialogRunner(nullptr);
        QVERIFY(f.Jobs().Session().Limits() == fixed);
        QCOMPARE(f.State().Fibres()[f.Fibre("CAB-2", "F1")].state, FibreState::Pass);
        QCOMPARE(f.State().Totals().fail, size_t(0));
        QCOMPARE(f.prompts.Unexpected().size(), size_t(0));
    }

    // The tree asks nothing of a cable's fibres until the cable is opened.
    void aCablesFibresComeWhenItIsOpened()
    {
        Fixture f;
        JobSetup setup;
        setup.plan = PlanFromTemplate("BIG/F{001..600}").plan;
        setup.plan->fibres.push_back({"TAIL", "F1"});
        std::unique_ptr<Job> made;
        QVERIFY(Job::Create(f.job.toStdString(), setup, made).ok());
        made.reset();
        QVERIFY(f.Jobs().OpenJob(f.job));
        const JobTreeModel& model = *f.Pane().Model();
        const QModelIndex big = model.index(0, 0);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.rowCount(big), 0);
        QVERIFY(model.hasChildren(big));
        f.Pane().Tree()->expand(big);
        QCOMPARE(model.rowCount(big), 600);
        QCOMPARE(model.rowCount(model.index(1, 0)), 0);
    }

    // The handover from the File menu (stopped at its progress first, which
    // leaves nothing), a job closed and opened again from Recent Jobs, and
    // jobs that do not open.
    void exportingClosingAndReopening()
    {
        Fixture f;
        f.MakeJob();
        const struct
        {
            CommandId command;
            const char* name;
            QByteArray start;
        } exports[] = {{CommandId::FileExportJobReport, "handover.pdf", "%PDF-"},
                       {CommandId::FileExportJobWorkbook, "handover.xlsx", "PK\x03\x04"}};
        f.prompts.Clear();
        for (const auto& output : exports) {
            f.prompts.QueueFile(f.dir.filePath(output.name));
            f.prompts.QueueProgressCancel(1);
            f.Frame().OnCommand(output.command);
            QVERIFY2(!QFileInfo::exists(f.dir.filePath(output.name)), output.name);
            QCOMPARE(f.prompts.MessageTexts(), QStringList());
            f.prompts.QueueFile(f.dir.filePath(output.name));
            f.Frame().OnCommand(output.command);
            QVERIFY2(ReadFile(f.dir.filePath(output.name)).startsWith(output.start), output.name);
        }
        QCOMPARE(f.prompts.Unexpected().size(), size_t(0));

        const JobCounts before = f.State().Totals();
        f.Frame().OnCommand(CommandId::FileCloseJob);
        QVERIFY(!f.Jobs().Dock()->isVisible());
        QVERIFY(!f.Frame().Action(CommandId::FileExportJobReport)->isEnabled());
        QMenu& recent = *f.Jobs().RecentJobsMenu();
        QCOMPARE(recent.actions().size(), 1);
        recent.actions().front()->trigger();
        QVERIFY(f.Jobs().Dock()->isVisible());
        QCOMPARE(f.State().Totals().tested, before.tested);

        // A file that is not a job, and a job that is not there, are said
        // so and leave the list.
        const QString notAJob = f.dir.filePath("notes.kavjob");
        WriteFile(notAJob, "these are not the job's bytes");
        const struct
        {
            QString path;
            const char* said;
        } refused[] = {{notAJob, "is not a job of this program."},
                       {f.dir.filePath("gone.kavjob"), "There is no job"}};
        for (const auto& job : refused) {
            RecentFiles(ProgramSettings::Current(), RecentFiles::JobsKey).Add(job.path);
            QVERIFY(!f.Frame().OpenAnyFile(job.path));
            QVERIFY2(f.LastMessage().contains(job.said), qPrintable(f.LastMessage()));
            QVERIFY(
                !RecentFiles(ProgramSettings::Current(), RecentFiles::JobsKey).Paths().contains(job.path));
            QVERIFY(!f.Jobs().Dock()->isVisible());
        }
    }
};

QTEST_MAIN(JobWindowTest)
#include "JobWindowTest.moc"
