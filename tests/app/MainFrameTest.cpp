#include "CDataStore.h"
#include "CKAVApp.h"
#include "CKAVDoc.h"
#include "CKAVView.h"
#include "CMainFrame.h"
#include "COpmListPage.h"
#include "COrlListPage.h"
#include "CTracePage.h"
#include "DialogRunner.h"
#include "FakeAutoTrace.h"
#include "ProgramIdentity.h"
#include "ProgramSettings.h"
#include "RecentFiles.h"
#include "Screenshots.h"
#include "ScriptedPrompts.h"
#include "Tabs.h"

#include <QDialog>
#include <QDropEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

// The main window as the program starts it: caption, menus, keys, toolbar,
// status bar, the commands' enablement, the application's commands, and what
// the window remembers from one run to the next.
class MainFrameTest : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        FakeAutoTraceState trace;
        CKAVApp app{FakeAutoTraceFactory(trace)};
        Fixture(const QStringList& files = {})
        {
            CDataStore& store = CDataStore::GetInstance();
            store.ClearOpm();
            store.ClearOrl();
            store.ClearKav();
            store.m_InfoFields.Clear();
            app.InitInstance(files);
        }
        CMainFrame& Frame() { return *app.MainFrame(); }
        CKAVView& View() { return *Frame().View(); }
        bool EditEnabled()
        {
            const bool job = Frame().Action(CommandId::EditJobInfo)->isEnabled();
            if (Frame().Action(CommandId::EditCableInfo)->isEnabled() != job ||
                Frame().Action(CommandId::EditSystemInfo)->isEnabled() != job)
                qFatal("the three information commands disagree");
            return job;
        }
    };

    // Settings in a file of the test's own; Reload() reads it afresh, as the
    // next run of the program would.
    struct ScratchSettings
    {
        QString path;
        std::unique_ptr<ProgramSettings> settings;
        explicit ScratchSettings(const QString& file) : path(file) { Reload(); }
        ~ScratchSettings() { ProgramSettings::Install(nullptr); }
        void Reload()
        {
            settings = ProgramSettings::InFile(path);
            ProgramSettings::Install(settings.get());
        }
    };

    static QString Sample(const char* name)
    {
        return qEnvironmentVariable("KAV_SOURCE_DIR") + "/samples/" + name;
    }

    static QStringList RecentEntries(CMainFrame& frame)
    {
        QStringList paths;
        for (QAction* entry : frame.RecentFilesMenu()->actions())
            paths << entry->data().toString();
        return paths;
    }

    static void ChooseRecent(CMainFrame& frame, const QString& path)
    {
        for (QAction* entry : frame.RecentFilesMenu()->actions()) {
            if (entry->data().toString() == path) {
                // An ampersand in a name is shown, not taken as a mnemonic.
                QVERIFY(entry->text().contains(QDir::toNativeSeparators(path).replace("&", "&&")));
                entry->trigger();
                return;
            }
        }
        QFAIL(qPrintable("no recent entry for " + path));
    }

    static QStringList ItemTexts(QMenu* menu)
    {
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << (action->isSeparator() ? QString("-") : action->text());
        return texts;
    }

private slots:
    void cleanup() { SetDialogRunner(nullptr); }

    void startsOnTheOpmTab()
    {
        Fixture f;
        QCOMPARE(f.Frame().windowTitle(), QString("KAV Application System"));
        QCOMPARE(f.app.Document().Title(), QString("KAV Application System"));
        QCOMPARE(QCoreApplication::organizationName(), QString("Local AppWizard-Generated Applications"));
        QCOMPARE(QCoreApplication::applicationName(), QString("KAV"));
        QCOMPARE(f.View().SelectedTab(), int(TabOpm));
        QVERIFY(f.View().OpmPage()->isVisible());
        QVERIFY(!f.EditEnabled());
        QVERIFY(f.Frame().Action(CommandId::FileSave)->isEnabled());
        QCOMPARE(f.Frame().statusBar()->currentMessage(), QString("Ready"));
        QCOMPARE(f.Frame().ProgressBar()->value(), 0);
        QCOMPARE(f.Frame().ProgressBar()->maximum(), 100);
    }

    void menusKeysAndToolbar()
    {
        Fixture f;
        const QList<QAction*> menus = f.Frame().menuBar()->actions();
        QCOMPARE(menus.size(), 3);
        QCOMPARE(menus[0]->text(), QString("File(&F)"));
        QCOMPARE(ItemTexts(menus[0]->menu()),
                 QStringList({"Open(&O)...\tCtrl+O", "Save As CSV", "Save As...\tCtrl+Shift+S", "-",
                              "Print(&P)...\tCtrl+P", "Print View(&V)", "Print Setup...", "Export PDF...",
                              "Recent Files", "-", "Exit(&X)"}));
        QCOMPARE(menus[1]->text(), QString("Edit(&E)"));
        QCOMPARE(ItemTexts(menus[1]->menu()),
                 QStringList({"Job Information", "Cable Information", "System Information"}));
        QCOMPARE(menus[2]->text(), QString("Help(&H)"));
        QCOMPARE(ItemTexts(menus[2]->menu()), QStringList({"About KAV(&A)..."}));
        QCOMPARE(f.Frame().Action(CommandId::FileOpen)->statusTip(), QString("Opens an exiting document"));
        QCOMPARE(f.Frame().Action(CommandId::FilePrint)->statusTip(),
                 QString("Prints all or part of the document "));
        QVERIFY(f.Frame().Action(CommandId::FileSaveAsCsv)->statusTip().isEmpty());

        const std::map<CommandId, QKeySequence> keys = {{CommandId::FileNew, QKeySequence("Ctrl+N")},
                                                        {CommandId::FileOpen, QKeySequence("Ctrl+O")},
                                                        {CommandId::FileSave, QKeySequence("Ctrl+S")},
                                                        {CommandId::FileSaveAs, QKeySequence("Ctrl+Shift+S")},
                                                        {CommandId::FilePrint, QKeySequence("Ctrl+P")}};
        for (const auto& [id, key] : keys)
            QCOMPARE(f.Frame().Action(id)->shortcut(), key);
        // The edit keys without a handler must reach a focused grid or editor.
        for (QAction* action : f.Frame().findChildren<QAction*>()) {
            for (const char* free : {"Ctrl+C", "Ctrl+V", "Ctrl+X", "Ctrl+Z", "Ctrl+Insert", "Shift+Insert",
                                     "Shift+Delete", "Alt+Backspace", "F6", "Shift+F6"})
                QVERIFY2(!action->shortcuts().contains(QKeySequence(free)), free);
        }

        QToolBar* toolBar = f.Frame().ToolBar();
        QCOMPARE(toolBar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QStringList labels;
        for (QAction* action : toolBar->actions()) {
            if (action->isSeparator())
                continue;
            labels << action->iconText();
            QCOMPARE(toolBar->widgetForAction(action)->size(), QSize(85, 38));
        }
        QCOMPARE(labels, QStringList({"Open", "Save", "Print"}));
    }

    void exportPdfOnTheTabsWithAReport()
    {
        Fixture f;
        QAction* export_ = f.Frame().Action(CommandId::FileExportPdf);
        for (const int tab : {TabKav, TabTrace, TabAutoTrace, TabOrl, TabOpm}) {
            QVERIFY(f.View().SelectTab(tab));
            QCOMPARE(export_->isEnabled(), tab != TabTrace && tab != TabAutoTrace);
            QVERIFY(f.Frame().Action(CommandId::FilePrintSetup)->isEnabled());
        }
    }

    void editCommandsFollowTheKavTab()
    {
        Fixture f;
        int dialogs = 0;
        SetDialogRunner([&dialogs](QDialog&) {
            ++dialogs;
            return int(QDialog::Rejected);
        });
        for (int tab : {TabKav, TabTrace, TabKav, TabAutoTrace, TabKav, TabOrl, TabKav, TabOpm}) {
            QVERIFY(f.View().SelectTab(tab));
            QCOMPARE(f.EditEnabled(), tab == TabKav);
            const int before = dialogs;
            f.Frame().OnCommand(CommandId::EditCableInfo);
            QCOMPARE(dialogs - before, tab == TabKav ? 1 : 0);
        }

        // Refusing to stop the live trace on the way to KAV keeps them disabled.
        ScriptedPrompts prompts;
        QVERIFY(f.View().SelectTab(TabAutoTrace));
        f.trace.traceStarted = true;
        prompts.QueueMessage(MessageAnswer::No);
        QVERIFY(!f.View().SelectTab(TabKav));
        QCOMPARE(f.View().SelectedTab(), int(TabAutoTrace));
        QVERIFY(!f.EditEnabled());
        QVERIFY(!f.Frame().Action(CommandId::FileSave)->isEnabled());
    }

    void aboutAndNew()
    {
        Fixture f;
        QString caption, text;
        SetDialogRunner([&](QDialog& dialog) {
            caption = dialog.windowTitle();
            text = dialog.findChild<QLabel*>("aboutText")->text();
            return int(QDialog::Accepted);
        });
        f.Frame().OnCommand(CommandId::AppAbout);
        QCOMPARE(caption, QString("About KAV Application System"));
        QCOMPARE(text, QString("KAV Application System V2.38"));
        // The package and --version carry the release the About text names.
        QVERIFY(QString(ProgramVersion).startsWith(text.section('V', -1) + '.'));

        CDataStore::GetInstance().AddOrlRecord("R1", "F9", "1550nm", "45.32dB", "2017-06-15", "14:05:09");
        QVERIFY(f.View().SelectTab(TabOrl));
        const int children = f.View().findChildren<QWidget*>().size();
        f.Frame().OnCommand(CommandId::FileNew);
        QCOMPARE(f.View().findChildren<QWidget*>().size(), children);
        QCOMPARE(f.View().SelectedTab(), int(TabOrl));
        QCOMPARE(f.View().OrlPage()->RowCount(), 1);
        QCOMPARE(f.Frame().windowTitle(), QString("KAV Application System"));

        // A note on how the program runs survives New.
        f.Frame().SetCaptionNote(" (simulated instrument)");
        f.Frame().OnCommand(CommandId::FileNew);
        QCOMPARE(f.Frame().windowTitle(), QString("KAV Application System (simulated instrument)"));
    }

    void filesOnTheCommandLineOpenOnTheirTab()
    {
        QTemporaryDir dir;
        // An ORL document of one record: the count, then the 86-byte record.
        QByteArray document(4 + 86, '\0');
        document[0] = 1;
        document.replace(4, 2, "R7");
        const QString path = dir.filePath("saved.orl");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(document) == document.size());
        file.close();

        ScriptedPrompts prompts;
        Fixture f({path, dir.filePath("missing.bin")});
        QCOMPARE(f.View().SelectedTab(), int(TabOrl));
        QCOMPARE(f.View().OrlPage()->RowCount(), 1);
        QCOMPARE(f.View().OrlPage()->CellText(0, 1), QString("R7"));
        QCOMPARE(prompts.MessageTexts().size(), 1);
        QVERIFY(prompts.MessageTexts().front().contains("missing.bin"));

        // A file dropped on the window opens the same way.
        QMimeData data;
        data.setUrls(
            {QUrl::fromLocalFile(qEnvironmentVariable("KAV_SOURCE_DIR") + "/samples/opm-readings.bin")});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&f.Frame(), &enter);
        QVERIFY(enter.isAccepted());
        QCoreApplication::sendEvent(&f.Frame(), &drop);
        QCOMPARE(f.View().SelectedTab(), int(TabOpm));
        QVERIFY(f.View().OpmPage()->RowCount() > 0);
        QCOMPARE(size_t(f.View().OpmPage()->RowCount()), CDataStore::GetInstance().GetOpmRecords().size());

        // A recorded trace goes to the TRACE tab.
        QMimeData trace;
        trace.setUrls(
            {QUrl::fromLocalFile(qEnvironmentVariable("KAV_SOURCE_DIR") + "/samples/trace-1550nm.bin")});
        QDragEnterEvent traceEnter(QPoint(10, 10), Qt::CopyAction, &trace, Qt::LeftButton, Qt::NoModifier);
        QDropEvent traceDrop(QPointF(10, 10), Qt::CopyAction, &trace, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&f.Frame(), &traceEnter);
        QCoreApplication::sendEvent(&f.Frame(), &traceDrop);
        QCOMPARE(f.View().SelectedTab(), int(TabTrace));
        QCOMPARE(f.View().TracePage()->findChild<QLineEdit*>("control1017")->text(), QString("600"));
        QCOMPARE(prompts.MessageTexts().size(), 1);
    }

    // A screen smaller than the window's minimum still holds the whole window.
    void aSmallScreenHoldsTheWindow()
    {
        Fixture f;
        const QRect screen = f.Frame().screen()->availableGeometry();
        QVERIFY(f.Frame().LayoutMinimum().width() > screen.width());
        QVERIFY(f.Frame().minimumSize().width() <= screen.width());
        QVERIFY(f.Frame().minimumSize().height() <= screen.height());
        QVERIFY(screen.contains(f.Frame().frameGeometry()));
    }

    // The offscreen screen is narrower than the window's form: the pictures
    // are made at the design size all the same.
    void screenshotsOfEveryTab()
    {
        Fixture f;
        QVERIFY(f.Frame().screen()->availableGeometry().width() < CKAVView::FormSize().width());
        QTemporaryDir dir;
        QVERIFY(SaveTabScreenshots(f.Frame(), dir.path()));
        for (const char* label : TabLabels) {
            const QImage image(dir.filePath(QString(label).toLower() + ".png"));
            QCOMPARE(image.width(), CKAVView::FormSize().width());
            QCOMPARE(image.size(), f.Frame().DesignSize());
        }
    }

    // A command with no work on the selected tab is greyed, in the menu and
    // on the toolbar alike; every file command left enabled asks for a file.
    void commandsWithoutWorkAreGreyed()
    {
        ScriptedPrompts prompts;
        Fixture f;
        const CommandId fileCommands[] = {CommandId::FileOpen, CommandId::FileSave, CommandId::FileSaveAsCsv,
                                          CommandId::FileSaveAs};
        // AUTOTRACE has no file of its own, TRACE no table to export, KAV no
        // table before its first file.
        const auto idle = [](CommandId id, int tab, bool kavFileRead) {
            const bool exports = id == CommandId::FileSave || id == CommandId::FileSaveAsCsv;
            return tab == TabAutoTrace || (tab == TabTrace && exports) ||
                   (tab == TabKav && exports && !kavFileRead);
        };
        for (bool kavFileRead : {false, true}) {
            if (kavFileRead)
                QVERIFY(f.View().OpenRecognizedFile(Sample("kav-three-wavelengths.bin")));
            for (int tab : {TabOpm, TabKav, TabTrace, TabAutoTrace, TabOrl, TabKav}) {
                QVERIFY(f.View().SelectTab(tab));
                for (CommandId id : fileCommands) {
                    const bool enabled = !idle(id, tab, kavFileRead);
                    QAction* action = f.Frame().Action(id);
                    QVERIFY2(action->isEnabled() == enabled,
                             qPrintable(QString("command %1 on tab %2").arg(int(id)).arg(TabLabels[tab])));
                    if (const QWidget* button = f.Frame().ToolBar()->widgetForAction(action))
                        QCOMPARE(button->isEnabled(), enabled);
                    prompts.Clear();
                    prompts.QueueCancel();
                    f.Frame().OnCommand(id);
                    QCOMPARE(prompts.Asked().size(), size_t(enabled ? 1 : 0));
                }
            }
        }
    }

    void captionNamesTheFileOfTheTab()
    {
        ScriptedPrompts prompts;
        Fixture f({Sample("opm-readings.bin"), Sample("kav-three-wavelengths.bin")});
        const QString title = "KAV Application System";
        const auto named = [&title](const char* file) {
            return QString(file) + QStringLiteral(" \u2014 ") + title;
        };
        QCOMPARE(f.View().SelectedTab(), int(TabKav));
        QCOMPARE(f.Frame().windowTitle(), named("kav-three-wavelengths.bin"));
        QVERIFY(f.View().SelectTab(TabOpm));
        QCOMPARE(f.Frame().windowTitle(), named("opm-readings.bin"));
        for (int tab : {TabTrace, TabAutoTrace, TabOrl}) {
            QVERIFY(f.View().SelectTab(tab));
            QCOMPARE(f.Frame().windowTitle(), title);
        }

        // A file the tab refuses leaves the tab's file as it was.
        QVERIFY(f.View().SelectTab(TabOpm));
        prompts.QueueFile(Sample("orl-readings.bin"));
        f.Frame().OnCommand(CommandId::FileOpen);
        QCOMPARE(prompts.MessageTexts(), QStringList({"File error!"}));
        QCOMPARE(f.Frame().windowTitle(), named("opm-readings.bin"));

        f.Frame().SetCaptionNote(" (simulated instrument)");
        QCOMPARE(f.Frame().windowTitle(), named("opm-readings.bin") + " (simulated instrument)");
    }

    void recentFilesSurviveARestart()
    {
        QTemporaryDir dir;
        ScratchSettings settings(dir.filePath("kav.ini"));
        const QString opm = dir.filePath("monday.bin");
        const QString orl = dir.filePath("tuesday & wednesday.bin");
        QVERIFY(QFile::copy(Sample("opm-readings.bin"), opm));
        QVERIFY(QFile::copy(Sample("orl-readings.bin"), orl));
        QSize size;
        QPoint place;
        {
            Fixture first({opm, orl});
            QCOMPARE(RecentEntries(first.Frame()), QStringList({orl, opm}));
            first.Frame().move(30, 40);
            QVERIFY(first.View().SelectTab(TabTrace));
            size = first.Frame().size();
            place = first.Frame().pos();
            first.Frame().close();
        }

        settings.Reload();
        Fixture second;
        QCOMPARE(RecentEntries(second.Frame()), QStringList({orl, opm}));
        QCOMPARE(second.View().SelectedTab(), int(TabTrace));
        QCOMPARE(second.Frame().size(), size);
        QCOMPARE(second.Frame().pos(), place);

        // An entry reopens its file on the tab of its kind and comes first.
        CDataStore::GetInstance().ClearOpm();
        ChooseRecent(second.Frame(), opm);
        QCOMPARE(second.View().SelectedTab(), int(TabOpm));
        QVERIFY(second.View().OpmPage()->RowCount() > 0);
        QCOMPARE(RecentEntries(second.Frame()), QStringList({opm, orl}));

        // A file that has gone is taken off, with a message naming it.
        ScriptedPrompts prompts;
        QVERIFY(QFile::remove(orl));
        ChooseRecent(second.Frame(), orl);
        QCOMPARE(prompts.MessageTexts().size(), 1);
        QVERIFY(prompts.MessageTexts().front().contains(QDir::toNativeSeparators(orl)));
        QCOMPARE(second.View().SelectedTab(), int(TabOpm));
        QCOMPARE(RecentEntries(second.Frame()), QStringList({opm}));
        settings.Reload();
        QCOMPARE(RecentFiles(ProgramSettings::Current()).Paths(), QStringList({opm}));

        // Eight at most, newest first.
        QStringList opened;
        for (int i = 0; i < RecentFiles::MaxCount + 2; ++i) {
            const QString path = dir.filePath(QString("reading-%1.bin").arg(i));
            QVERIFY(QFile::copy(Sample("opm-readings.bin"), path));
            QVERIFY(second.View().OpenRecognizedFile(path));
            opened.prepend(path);
        }
        QCOMPARE(RecentEntries(second.Frame()), opened.mid(0, RecentFiles::MaxCount));
    }

    // The window comes back where it was, but never off every screen and
    // never larger than the screen.
    void aPlaceOffEveryScreenIsIgnored()
    {
        QTemporaryDir dir;
        ScratchSettings settings(dir.filePath("kav.ini"));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        {
            Fixture first;
            first.Frame().resize(screen.size() * 3);
            first.Frame().move(screen.topRight() + QPoint(5000, 5000));
            QVERIFY(!screen.intersects(first.Frame().frameGeometry()));
            QVERIFY(first.Frame().width() > screen.width());
            first.Frame().close();
        }
        settings.Reload();
        Fixture second;
        const QRect window = second.Frame().frameGeometry();
        QVERIFY(screen.contains(QPoint(window.center().x(), window.top() + 10)));
        QVERIFY(window.width() <= screen.width() && window.height() <= screen.height());
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
