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
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

// The main window as the program starts it: caption, menus, keys, toolbar,
// status bar, the Edit menu's enablement and the application's commands.
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
                              "Exit(&X)"}));
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
            QCOMPARE(f.Frame().Action(CommandId::FileSave)->isEnabled(),
                     tab != TabTrace && tab != TabAutoTrace);
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

    void screenshotsOfEveryTab()
    {
        Fixture f;
        QTemporaryDir dir;
        QVERIFY(SaveTabScreenshots(f.Frame(), dir.path()));
        for (const char* label : TabLabels) {
            const QImage image(dir.filePath(QString(label).toLower() + ".png"));
            QCOMPARE(image.size(), f.Frame().size());
        }
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
