#include "app/CKAVApp.h"
#include "app/CMainFrame.h"
#include "app/JobDock.h"
#include "app/RecentFiles.h"
#include "app/WindowLanguage.h"
#include "jobs/Job.h"
#include "jobs/TeamJobServer.h"
#include "jobview/CJobPane.h"
#include "jobview/JobSession.h"
#include "jobview/JobTreeModel.h"
#include "tests/support/LossTestRecords.h"
#include "tests/support/PrivateServer.h"
#include "tests/views/ViewTestSupport.h"
#include "tools/make-samples/SampleSet.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeView>
#include <QTreeWidget>

// Team jobs in the window, on a PostgreSQL server of the test's own: opened
// by File > Open Team Job with the password asked, a reader's commands
// greyed, another technician's import seen on refresh, and the server lost
// and found again.

namespace {
PrivateServer& Server()
{
    static PrivateServer server(KAV_PG_BINDIR);
    return server;
}

// Roles of the password file; the visitor's password is in no file, so the
// window asks for it.
constexpr const char* Passwords[] = {"tech-pw-5120", "ana-pw-7781", "office-pw-2245"};
constexpr const char* VisitorPassword = "visitor-pw-3318";

std::string ServerOf(const std::string& role)
{
    return Server().Conninfo(role);
}

QString TeamJob(const std::string& role)
{
    return QString::fromStdString(Server().Conninfo(role, "job=DC-North"));
}

// A unit's file of one test of `fiber` on CAB-01, imported by the technician
// `role` from a computer of their own.
JobResult ImportAs(const std::string& role, const QString& path, const char* fiber)
{
    WriteFile(path, QByteArray::fromStdString(
                        EncodeKavResult(ThreeWaveLengths, {LossTest("CAB-01", fiber, 0.5f, 2)})));
    std::unique_ptr<Job> job;
    std::vector<ImportReport> reports;
    const JobResult opened = Job::Open(TeamJob(role).toStdString(), {JobAccess::Write}, job);
    return opened.ok() ? job->Import({path.toStdString()}, reports) : opened;
}
} // namespace

class TeamJobWindowTest : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        ScratchSettings settings;
        ScriptedPrompts prompts;
        CKAVApp app{[](QWidget* parent) { return std::make_unique<FakeAutoTrace>(parent); }};

        Fixture() { app.InitInstance({}); }
        CMainFrame& Frame() { return *app.MainFrame(); }
        JobDock& Jobs() { return *Frame().Jobs(); }
        JobSession& Session() { return Jobs().Session(); }
        CJobPane& Pane() { return *Jobs().Pane(); }
        const JobState& State() { return Session().State(); }
    };

    QTemporaryDir m_Files; // the units' files

private slots:
    void initTestCase()
    {
        QVERIFY(WindowLanguage::Install("en", KAV_TRANSLATIONS_DIR));
        QVERIFY2(Server().Start(), Server().Problem().c_str());
        int version = 0;
        const JobResult prepared = PrepareJobServer(ServerOf(PrivateServer::SuperUser), version);
        QVERIFY2(prepared.ok(), JobFailureText(prepared).c_str());
        QVERIFY(Server().AddRole("tech", Passwords[0], "kav_writer"));
        QVERIFY(Server().AddRole("ana", Passwords[1], "kav_writer"));
        QVERIFY(Server().AddRole("office", Passwords[2], "kav_reader"));
        QVERIFY(Server().Sql(std::string("CREATE ROLE visitor LOGIN PASSWORD '") + VisitorPassword +
                             "' IN ROLE kav_writer"));
        std::unique_ptr<Job> job;
        QVERIFY(Job::Create(TeamJob("tech").toStdString(), {}, job).ok());
        job.reset();
        const JobResult imported = ImportAs("tech", m_Files.filePath("unit-a.bin"), "F001");
        QVERIFY2(imported.ok(), JobFailureText(imported).c_str());
    }

    void cleanupTestCase() { Server().Stop(); }

    // The server and the job's name asked for, then the password where the
    // server asks for one; the job is remembered, its password nowhere.
    void openingByTheDialogAsksThePasswordAndKeepsItNowhere()
    {
        const struct
        {
            std::string server;
            bool asked; // the password asked for
        } cases[] = {{ServerOf("visitor"), true},
                     {ServerOf("visitor") + " password=" + VisitorPassword, false}};
        for (const auto& c : cases) {
            Fixture f;
            f.prompts.QueueText(QString::fromStdString(c.server));
            f.prompts.QueueText("DC-North");
            if (c.asked)
                f.prompts.QueueText(VisitorPassword);
            f.Frame().OnCommand(CommandId::FileOpenTeamJob);
            QVERIFY(f.Session().IsOpen());
            QVERIFY(f.Session().Writable());
            QCOMPARE(f.State().Totals().files, size_t(1));
            QCOMPARE(AskedOf(f.prompts, ScriptedPrompts::Kind::AskPassword).size(), size_t(c.asked ? 1 : 0));
            QCOMPARE(f.prompts.Unexpected().size(), size_t(0));
            QCOMPARE(f.Jobs().Dock()->windowTitle(), QString("Job DC-North"));
            const QStringList recent = RecentFiles(ProgramSettings::Current(), RecentFiles::JobsKey).Paths();
            QCOMPARE(recent,
                     QStringList({QString::fromStdString("host='" + Server().Folder() +
                                                         "' dbname='kav' user='visitor' job='DC-North'")}));
            const QString shown[] = {QString::fromUtf8(ReadFile(f.settings.dir.filePath("kav.ini"))),
                                     recent.join('\n'),
                                     f.Frame().windowTitle(),
                                     f.Jobs().Dock()->windowTitle(),
                                     f.Pane().findChild<QLabel*>("jobTitle")->toolTip(),
                                     f.prompts.MessageTexts().join('\n'),
                                     f.Session().Path()};
            for (const QString& text : shown)
                QVERIFY2(!text.contains(VisitorPassword), qPrintable(text));
        }
    }

    // A role that may only read sees the job with every change greyed, and
    // why.
    void aReaderSeesTheJobWithItsChangesGreyed()
    {
        Fixture f;
        QVERIFY(f.Jobs().OpenJob(TeamJob("office")));
        QVERIFY(f.Session().ReadOnly());
        QVERIFY(!f.Frame().Action(CommandId::FileImportIntoJob)->isEnabled());
        QVERIFY(f.Frame().Action(CommandId::FileExportJobReport)->isEnabled());
        const QString why = f.Pane().Notice()->text();
        QVERIFY2(f.Pane().Notice()->isVisibleTo(&f.Pane()) && why.contains("role \"office\" only read"),
                 qPrintable(why));
        for (QAction* change : {f.Pane().ImportAction(), f.Pane().PlanAction(), f.Pane().HeaderAction(),
                                f.Pane().LimitAction()}) {
            QVERIFY2(!change->isEnabled(), qPrintable(change->text()));
            QCOMPARE(change->toolTip(), why);
        }
        f.Pane().SelectFibre(*f.State().FindFibre("CAB-01", "F001"));
        QVERIFY(!f.Pane().RenameButton()->isEnabled());
        QCOMPARE(f.prompts.Unexpected().size(), size_t(0));
    }

    // The timer's refresh reads nothing while the job is unchanged, and
    // shows what another technician imported meanwhile, who and when; F5
    // too, with the cable the user opened still open and the fibre selected.
    void refreshingShowsAnotherTechniciansImport()
    {
        Fixture f;
        QVERIFY(f.Jobs().OpenJob(TeamJob("tech")));
        f.Pane().SelectFibre(*f.State().FindFibre("CAB-01", "F001"));
        QVERIFY2(f.Pane().Tests()->topLevelItem(0)->text(4).endsWith(" by tech"),
                 qPrintable(f.Pane().Tests()->topLevelItem(0)->text(4)));
        // The cable open, its own row selected.
        f.Pane().Tree()->setCurrentIndex(f.Pane().Model()->index(0, 0));
        const JobResult imported = ImportAs("ana", m_Files.filePath("unit-b.bin"), "F002");
        QVERIFY2(imported.ok(), JobFailureText(imported).c_str());
        QCOMPARE(f.State().Totals().files, size_t(1));

        QSignalSpy reads(&f.Session(), &JobSession::Changed);
        f.Session().Refresh(false);
        QCOMPARE(f.State().Totals().files, size_t(2));
        QCOMPARE(reads.size(), 1);
        f.Session().Refresh(false);
        QCOMPARE(reads.size(), 1);
        QVERIFY(f.Pane().Tree()->isExpanded(f.Pane().Model()->index(0, 0)));
        f.Pane().SelectFibre(*f.State().FindFibre("CAB-01", "F002"));
        QVERIFY2(f.Pane().Tests()->topLevelItem(0)->text(4).endsWith(" by ana"),
                 qPrintable(f.Pane().Tests()->topLevelItem(0)->text(4)));
        f.Frame().OnCommand(CommandId::ViewRefreshJob);
        QCOMPARE(f.Pane().SelectedFibre(), f.State().FindFibre("CAB-01", "F002"));
        QCOMPARE(f.prompts.Unexpected().size(), size_t(0));
    }

    // The server stopped: the job stays shown as last read, changes are
    // greyed, a reconnection is offered, and F5 reconnects once the server
    // is back.
    void aLostServerKeepsTheLastStateAndOffersToReconnect()
    {
        Fixture f;
        QVERIFY(f.Jobs().OpenJob(TeamJob("tech")));
        const JobCounts before = f.State().Totals();
        Server().Stop();
        f.prompts.QueueMessage(MessageAnswer::Yes); // reconnect, while the server is still away
        f.Frame().OnCommand(CommandId::ViewRefreshJob);
        const QStringList said = f.prompts.MessageTexts();
        QCOMPARE(said.size(), 2);
        QVERIFY2(said[0].contains("was lost") && said[0].contains("Reconnect now?"), qPrintable(said[0]));
        QCOMPARE(f.prompts.Asked().front().buttons, MessageButtons::YesNo);
        QVERIFY2(said[1].contains("cannot be reached yet"), qPrintable(said[1]));
        QVERIFY(f.Session().IsOpen() && f.Session().Lost());
        QCOMPARE(f.State().Totals().files, before.files);
        QCOMPARE(f.State().Totals().tested, before.tested);
        QVERIFY(f.Pane().Notice()->text().contains("lost"));
        QVERIFY(!f.Pane().ImportAction()->isEnabled());
        QVERIFY(!f.Frame().Action(CommandId::FileImportIntoJob)->isEnabled());

        QVERIFY2(Server().Start(), Server().Problem().c_str());
        f.Frame().OnCommand(CommandId::ViewRefreshJob);
        QVERIFY(!f.Session().Lost());
        QVERIFY(f.Pane().ImportAction()->isEnabled());
        QVERIFY(f.Pane().Notice()->isHidden());
        QCOMPARE(f.prompts.MessageTexts().size(), 2);
        QCOMPARE(f.prompts.Unexpected().size(), size_t(0));
    }
};

QTEST_MAIN(TeamJobWindowTest)
#include "TeamJobWindowTest.moc"
