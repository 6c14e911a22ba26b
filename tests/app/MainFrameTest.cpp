#include "ProgramIdentity.h"
#include "app/CKAVApp.h"
#include "app/CMainFrame.h"
#include "app/RecentFiles.h"
#include "app/Screenshots.h"
#include "app/UserGuideWindow.h"
#include "app/WindowLanguage.h"
#include "grid/GridCtrl.h"
#include "platform/ui/ProgramSettings.h"
#include "report/Translations.h"
#include "tests/support/HangLimit.h"
#include "tests/views/ViewTestSupport.h"
#include "trace/CTracePage.h"
#include "views/CInfoDialog.h"
#include "views/CKavGridPage.h"
#include "views/COpmListPage.h"
#include "views/COrlListPage.h"
#include "views/CTestLimitsDlg.h"
#include "views/CableCountsModel.h"
#include "views/DialogRunner.h"
#include "views/Tabs.h"
#include "views/VerdictSummaryLine.h"

#include <sys/stat.h>

#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

// The main window as the program starts it: the keys it leaves free, the
// commands' enablement, the application's commands, the files it is given,
// its caption, and what the window remembers from one run to the next.
class MainFrameTest : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        FakeAutoTrace* autoTrace = nullptr;
        CKAVApp app{[this](QWidget* parent) {
            auto page = std::make_unique<FakeAutoTrace>(parent);
            autoTrace = page.get();
            return page;
        }};
        explicit Fixture(const QStringList& files = {}) { app.InitInstance(files); }
        CMainFrame& Frame() { return *app.MainFrame(); }
        CKAVView& View() { return *Frame().View(); }
    };

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

    static void Drop(QWidget& window, const QString& path)
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        QVERIFY(enter.isAccepted());
        QCoreApplication::sendEvent(&window, &drop);
    }

private slots:
    void cleanup() { SetDialogRunner(nullptr); }

    void theWindowAsItStartsAboutAndNew()
    {
        Fixture f;
        // The settings are kept under this key and name, where an existing
        // installation's are found.
        QCOMPARE(QCoreApplication::organizationName(), QString("Local AppWizard-Generated Applications"));
        QCOMPARE(QCoreApplication::applicationName(), QString("KAV"));
        // The edit keys without a handler must reach a focused grid or editor.
        for (QAction* action : f.Frame().findChildren<QAction*>())
            for (const char* free : {"Ctrl+C", "Ctrl+V", "Ctrl+X", "Ctrl+Z", "Ctrl+Insert", "Shift+Insert",
                                     "Shift+Delete", "Alt+Backspace", "F6", "Shift+F6"})
                QVERIFY2(!action->shortcuts().contains(QKeySequence(free)), free);

        QString text;
        SetDialogRunner([&](QDialog& dialog) {
            text = dialog.findChild<QLabel*>("aboutText")->text();
            return int(QDialog::Accepted);
        });
        f.Frame().OnCommand(CommandId::AppAbout);
        // The package and --version carry the release the About text names.
        QVERIFY2(QString(ProgramVersion).startsWith(text.section(" V", -1) + '.'), qPrintable(text));

        // New keeps the tabs, the pages and the records.
        QVERIFY(f.View().OpenRecognizedFile(SamplePath("orl-readings.bin")));
        const int rows = f.View().OrlPage()->RowCount();
        QVERIFY(rows > 0);
        const int children = f.View().findChildren<QWidget*>().size();
        f.Frame().OnCommand(CommandId::FileNew);
        QCOMPARE(f.View().findChildren<QWidget*>().size(), children);
        QCOMPARE(f.View().SelectedTab(), int(TabOrl));
        QCOMPARE(f.View().OrlPage()->RowCount(), rows);
    }

    // F1 opens the guide on its first page, in the window's language (English
    // for a language the guide has not), and Contents comes back to it.
    void f1OpensTheGuideInTheWindowsLanguage()
    {
        const QDir guide(qEnvironmentVariable("KAV_SOURCE_DIR") + "/docs/guide");
        const QLocale before;
        const struct
        {
            const char* locale;
            const char* folder;
        } readers[] = {{"en_GB", "en"}, {"zh_CN", "zh_CN"}, {"de_DE", "en"}};
        for (const auto& reader : readers) {
            QLocale::setDefault(QLocale(reader.locale));
            Fixture f;
            f.Frame().show();
            QVERIFY(QTest::qWaitForWindowActive(&f.Frame()));
            QTest::keyClick(&f.Frame(), Qt::Key_F1);
            UserGuideWindow* window = f.app.UserGuide();
            QVERIFY2(window && window->isVisible(), reader.locale);
            const auto shown = [window] { return QFileInfo(window->Browser()->source().toLocalFile()); };
            const QFileInfo first(guide.filePath(QString(reader.folder) + "/index.html"));
            QCOMPARE(shown().canonicalFilePath(), first.canonicalFilePath());
            QVERIFY(!window->BackAction()->isEnabled());

            window->Browser()->setSource(QUrl::fromLocalFile(first.dir().filePath("files.html")));
            QCOMPARE(shown().fileName(), QString("files.html"));
            QVERIFY(window->BackAction()->isEnabled());
            window->HomeAction()->trigger();
            QCOMPARE(shown().canonicalFilePath(), first.canonicalFilePath());
        }
        QLocale::setDefault(before);

        // Help > Language's choice, as the window speaks it, over the
        // system's.
        QLocale::setDefault(QLocale("en_GB"));
        QVERIFY(WindowLanguage::Install("zh_CN", KAV_TRANSLATIONS_DIR));
        {
            Fixture f;
            f.app.OnCommand(CommandId::HelpUserGuide);
            const QFileInfo shown(f.app.UserGuide()->Browser()->source().toLocalFile());
            QCOMPARE(shown.canonicalFilePath(),
                     QFileInfo(guide.filePath("zh_CN/index.html")).canonicalFilePath());
        }
        QVERIFY(WindowLanguage::Install("en", KAV_TRANSLATIONS_DIR));
        QLocale::setDefault(before);
    }

    // Files named on the command line or dropped on the window open on the
    // tab of their kind, one that cannot be read is named in a message, and
    // the caption names the file of the selected tab.
    void filesGivenOpenOnTheirTabAndNameIt()
    {
        ScriptedPrompts prompts;
        Fixture f({SamplePath("opm-readings.bin"), SamplePath("missing.bin"),
                   SamplePath("kav-three-wavelengths.bin")});
        const QString title = "KAV Application System";
        const auto named = [&title](const char* file) {
            return QString(file) + QStringLiteral(" \u2014 ") + title;
        };
        QCOMPARE(f.View().SelectedTab(), int(TabKav));
        QCOMPARE(f.Frame().windowTitle(), named("kav-three-wavelengths.bin"));
        QCOMPARE(prompts.MessageTexts(), QStringList({"File error!"}));
        QVERIFY(prompts.Asked().front().detail.contains("missing.bin"));
        for (int tab : {TabTrace, TabAutoTrace, TabOrl}) {
            QVERIFY(f.View().SelectTab(tab));
            QCOMPARE(f.Frame().windowTitle(), title);
        }

        // Open reads a file by its content: an ORL file chosen on the OPM tab
        // opens on the ORL tab, and the status bar says so.
        QVERIFY(f.View().SelectTab(TabOpm));
        QCOMPARE(f.Frame().windowTitle(), named("opm-readings.bin"));
        prompts.QueueFile(SamplePath("orl-readings.bin"));
        f.Frame().OnCommand(CommandId::FileOpen);
        QCOMPARE(f.View().SelectedTab(), int(TabOrl));
        QCOMPARE(f.Frame().windowTitle(), named("orl-readings.bin"));
        QCOMPARE(f.Frame().statusBar()->currentMessage(),
                 QString("orl-readings.bin is shown on the ORL tab."));

        Drop(f.Frame(), SamplePath("trace-1550nm.bin"));
        QCOMPARE(f.View().SelectedTab(), int(TabTrace));
        QCOMPARE(f.View().TracePage()->findChild<QLineEdit*>("control1017")->text(), QString("600"));
        QCOMPARE(prompts.MessageTexts().size(), 1);

        // A note on how the program runs follows the title, also after New.
        f.Frame().SetCaptionNote(" (simulated instrument)");
        f.Frame().OnCommand(CommandId::FileNew);
        QCOMPARE(f.Frame().windowTitle(), named("trace-1550nm.bin") + " (simulated instrument)");
    }

    // Every menu item has an access letter; Ctrl+Tab and Ctrl+PgDown go to
    // the next tab, Ctrl+Shift+Tab and Ctrl+PgUp to the one before, round
    // the ends, asking before they leave a running live trace.
    void accessLettersAndTabKeys()
    {
        ScriptedPrompts prompts;
        Fixture f;
        for (QAction* top : f.Frame().menuBar()->actions()) {
            QVERIFY2(!QKeySequence::mnemonic(top->text()).isEmpty(), qPrintable(top->text()));
            for (QAction* item : top->menu()->actions())
                QVERIFY2(item->isSeparator() || !QKeySequence::mnemonic(item->text()).isEmpty(),
                         qPrintable(item->text()));
        }

        f.Frame().show();
        QVERIFY(QTest::qWaitForWindowActive(&f.Frame()));
        const struct
        {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int tab;
        } presses[] = {{Qt::Key_Tab, Qt::ControlModifier, TabKav},
                       {Qt::Key_PageDown, Qt::ControlModifier, TabTrace},
                       {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, TabKav},
                       {Qt::Key_PageUp, Qt::ControlModifier, TabOpm},
                       {Qt::Key_PageUp, Qt::ControlModifier, TabOrl},
                       {Qt::Key_Tab, Qt::ControlModifier, TabOpm},
                       {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, TabOrl},
                       {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, TabAutoTrace}};
        for (const auto& press : presses) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &f.Frame(), press.key,
                            press.modifiers);
            QCOMPARE(f.View().SelectedTab(), press.tab);
        }
        f.autoTrace->traceStarted = true;
        prompts.QueueMessage(MessageAnswer::No);
        QTest::keyClick(&f.Frame(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(f.View().SelectedTab(), int(TabAutoTrace));
        QCOMPARE(prompts.MessageTexts(), QStringList({"This will stop the AutoTrace,Do you continue?"}));
    }

    // The offscreen screen is smaller than the window's minimum: the window
    // still fits it, and the pictures are made at the design size all the
    // same.
    void aSmallScreenHoldsTheWindowAndThePicturesKeepTheDesignSize()
    {
        Fixture f;
        const QRect screen = f.Frame().screen()->availableGeometry();
        QVERIFY(f.Frame().LayoutMinimum().width() > screen.width());
        QVERIFY(screen.contains(f.Frame().frameGeometry())); // the minimum is the small screens' test

        QTemporaryDir dir;
        QVERIFY(SaveTabScreenshots(f.Frame(), dir.path()));
        for (const char* label : TabLabels) {
            const QImage image(dir.filePath(QString(label).toLower() + ".png"));
            QCOMPARE(image.width(), CKAVView::FormSize().width());
            QCOMPARE(image.size(), f.Frame().DesignSize());
        }
    }

    // A command with no work on the selected tab is greyed, in the menu and
    // on the toolbar alike; every command left enabled asks something.
    void commandsWithoutWorkAreGreyed()
    {
        ScriptedPrompts prompts;
        Fixture f;
        int dialogs = 0;
        SetDialogRunner([&dialogs](QDialog&) {
            ++dialogs;
            return int(QDialog::Rejected);
        });
        const CommandId commands[] = {
            CommandId::FileOpen,        CommandId::FileSave,      CommandId::FileSaveAsCsv,
            CommandId::FileSaveAsExcel, CommandId::FileSaveAs,    CommandId::FileExportPdf,
            CommandId::FilePrintSetup,  CommandId::EditJobInfo,   CommandId::EditCableInfo,
            CommandId::EditSystemInfo,  CommandId::EditTestLimits};
        // The information and limit dialogs belong to KAV, AUTOTRACE has no file of its
        // own, the trace tabs no report and TRACE no table to export, KAV no
        // table before its first file, and an empty table nothing to save.
        const auto idle = [](CommandId id, int tab, bool kavFileRead) {
            const bool exports = id == CommandId::FileSave || id == CommandId::FileSaveAsCsv ||
                                 id == CommandId::FileSaveAsExcel;
            const bool information = id == CommandId::EditJobInfo || id == CommandId::EditCableInfo ||
                                     id == CommandId::EditSystemInfo || id == CommandId::EditTestLimits;
            const bool traceTab = tab == TabTrace || tab == TabAutoTrace;
            return (information && tab != TabKav) ||
                   (tab == TabAutoTrace && id != CommandId::FilePrintSetup) ||
                   (traceTab && (exports || id == CommandId::FileExportPdf)) ||
                   (tab == TabKav && exports && !kavFileRead) ||
                   ((tab == TabOpm || tab == TabOrl) && exports);
        };
        for (bool kavFileRead : {false, true}) {
            if (kavFileRead)
                QVERIFY(f.View().OpenRecognizedFile(SamplePath("kav-three-wavelengths.bin")));
            for (int tab : {TabOpm, TabKav, TabTrace, TabAutoTrace, TabOrl, TabKav}) {
                QVERIFY(f.View().SelectTab(tab));
                for (CommandId id : commands) {
                    const bool enabled = !idle(id, tab, kavFileRead);
                    QAction* action = f.Frame().Action(id);
                    QVERIFY2(action->isEnabled() == enabled,
                             qPrintable(QString("command %1 on tab %2").arg(int(id)).arg(TabLabels[tab])));
                    if (const QWidget* button = f.Frame().ToolBar()->widgetForAction(action))
                        QCOMPARE(button->isEnabled(), enabled);
                    prompts.Clear();
                    prompts.QueueCancel();
                    const int before = dialogs;
                    f.Frame().OnCommand(id);
                    QCOMPARE(prompts.Asked().size() + size_t(dialogs - before), size_t(enabled ? 1 : 0));
                }
            }
        }
    }

    // The limit chosen in Test Limits and its columns, every group of the
    // report's header, the print setup and Help > Language's choice survive
    // a restart; Cancel and another loss-test file change none of them.
    // Clear Report Header asks first, then empties the header, also for the
    // next run; a language chosen is said to take effect then.
    void theUsersChoicesSurviveARestart()
    {
        ScratchSettings settings;
        ScriptedPrompts prompts;
        TestLimits chosen;
        chosen.method = LimitMethod::Fixed;
        chosen.fixed = {{1310, Figure("0.4")}};
        chosen.cables["CAB-02"].fixed = {{1310, Figure("0.3")}};
        const auto typeInto = [](int id, const char* text) {
            SetDialogRunner([id, text](QDialog& dialog) {
                static_cast<CInfoDialog&>(dialog).Edit(id)->setText(text);
                return int(QDialog::Accepted);
            });
        };
        const auto language = [](CMainFrame& frame) {
            QStringList codes;
            for (const char* code : LanguageCodes)
                if (frame.findChild<QAction*>(QString("language_") + code)->isChecked())
                    codes << code;
            return codes;
        };
        {
            Fixture first({SamplePath("kav-two-wavelengths.bin")});
            CKavGridPage& page = *first.View().KavPage();
            QVERIFY(!page.LimitColumnsShown());
            QVERIFY(page.Limits() == TestLimits{});
            QStringList cables;
            SetDialogRunner([&](QDialog& dialog) {
                auto& limits = static_cast<CTestLimitsDlg&>(dialog);
                cables << (limits.CableCounts()->Has("CAB-01") ? "CAB-01" : "")
                       << (limits.CableCounts()->Has("CAB-03") ? "CAB-03" : "");
                limits.Load(chosen);
                return int(QDialog::Rejected);
            });
            first.Frame().OnCommand(CommandId::EditTestLimits);
            QCOMPARE(cables, QStringList({"CAB-01", "CAB-03"})); // the file's cables are offered
            QVERIFY(page.Limits() == TestLimits{});
            SetDialogRunner([&](QDialog& dialog) {
                static_cast<CTestLimitsDlg&>(dialog).Load(chosen);
                return int(QDialog::Accepted);
            });
            first.Frame().OnCommand(CommandId::EditTestLimits);
            QVERIFY(page.Limits() == chosen);
            QCOMPARE(page.SummaryLine()->Limit()->text(), QString("Limit: fixed"));
            QCOMPARE(cables, QStringList({"CAB-01", "CAB-03"}));
            first.Frame().Action(CommandId::ViewLimitColumns)->trigger();
            QVERIFY(page.LimitColumnsShown());

            typeInto(1060, "City Net");
            first.Frame().OnCommand(CommandId::EditJobInfo);
            typeInto(1055, "SN 400112");
            first.Frame().OnCommand(CommandId::EditSystemInfo);
            typeInto(1017, "Exchange 3");
            first.Frame().OnCommand(CommandId::EditCableInfo);
            typeInto(1049, "OS2 24F");
            first.Frame().OnCommand(CommandId::EditCableInfo);
            typeInto(1068, "2026-01-05");
            first.Frame().OnCommand(CommandId::EditTestInfo);
            prompts.QueuePageSetup(QPageSize(QPageSize::Letter), QPageLayout::Landscape);
            first.Frame().OnCommand(CommandId::FilePrintSetup);
            QVERIFY(first.View().OpenRecognizedFile(SamplePath("kav-three-wavelengths.bin")));
            QCOMPARE(first.View().Store().GetInfoFields().Customer, std::string("City Net"));
            QCOMPARE(first.View().Store().GetInfoFields().LocationA, std::string("Exchange 3"));

            QCOMPARE(language(first.Frame()), QStringList{SystemLanguage()});
            first.Frame().findChild<QAction*>("language_zh_CN")->trigger();
            QCOMPARE(prompts.MessageTexts().size(), 1);
        }
        settings.Reload();
        {
            Fixture second;
            QVERIFY(second.View().KavPage()->Limits() == chosen);
            QVERIFY(second.View().KavPage()->LimitColumnsShown());
            QVERIFY(second.Frame().Action(CommandId::ViewLimitColumns)->isChecked());
            const InfoFields& fields = second.View().Store().GetInfoFields();
            QCOMPARE(fields.Customer, std::string("City Net"));
            QCOMPARE(fields.SerialNumberA, std::string("SN 400112"));
            QCOMPARE(fields.LocationA, std::string("Exchange 3"));
            QCOMPARE(fields.CableType, std::string("OS2 24F"));
            QCOMPARE(fields.CalibrationDateA, std::string("2026-01-05"));
            const QPageLayout paper = second.View().Printer().pageLayout();
            QCOMPARE(paper.pageSize().id(), QPageSize::Letter);
            QCOMPARE(paper.orientation(), QPageLayout::Landscape);
            QCOMPARE(language(second.Frame()), QStringList{"zh_CN"});

            second.Frame().OnCommand(CommandId::ViewLimitColumns);
            QVERIFY(!second.Frame().Action(CommandId::ViewLimitColumns)->isChecked());
            QVERIFY(second.View().SelectTab(TabKav));
            prompts.QueueMessage(MessageAnswer::No);
            second.Frame().OnCommand(CommandId::EditClearHeader);
            QCOMPARE(fields.Customer, std::string("City Net"));
            prompts.QueueMessage(MessageAnswer::Yes);
            second.Frame().OnCommand(CommandId::EditClearHeader);
            QCOMPARE(fields.Customer, std::string());
            QCOMPARE(fields.CalibrationDateA, std::string());
            second.Frame().findChild<QAction*>("language_en")->trigger();
        }
        settings.Reload();
        Fixture third;
        QVERIFY(!third.View().KavPage()->LimitColumnsShown());
        QCOMPARE(third.View().Store().GetInfoFields().Customer, std::string());
        QCOMPARE(WindowLanguage::InEffect(ProgramSettings::Current()), QString("en"));
    }

    // Recent files, the window's size, place and tab survive a restart.
    void whatTheWindowRemembersSurvivesARestart()
    {
        ScratchSettings settings;
        const QString opm = settings.dir.filePath("monday.bin");
        const QString orl = settings.dir.filePath("tuesday & wednesday.bin");
        QVERIFY(QFile::copy(SamplePath("opm-readings.bin"), opm));
        QVERIFY(QFile::copy(SamplePath("orl-readings.bin"), orl));
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
        ChooseRecent(second.Frame(), opm);
        QCOMPARE(second.View().SelectedTab(), int(TabOpm));
        QVERIFY(second.View().OpmPage()->RowCount() > 0);
        QCOMPARE(RecentEntries(second.Frame()), QStringList({opm, orl}));

        // An entry that no longer opens, for any reason (here a pipe has
        // taken the file's name), is taken off at once, with a message
        // naming it.
        ScriptedPrompts prompts;
        QVERIFY(QFile::remove(orl));
        QVERIFY(mkfifo(QFile::encodeName(orl).constData(), 0600) == 0);
        {
            const HangLimit limit(5);
            ChooseRecent(second.Frame(), orl);
        }
        QCOMPARE(prompts.MessageTexts(), QStringList({"File error!"}));
        QVERIFY(prompts.Asked().back().detail.startsWith(QDir::toNativeSeparators(orl) + ": "));
        QCOMPARE(RecentEntries(second.Frame()), QStringList({opm}));
        settings.Reload();
        QCOMPARE(RecentFiles(ProgramSettings::Current()).Paths(), QStringList({opm}));

        // Eight at most, newest first.
        QStringList opened;
        for (int i = 0; i < RecentFiles::MaxCount + 2; ++i) {
            const QString path = settings.dir.filePath(QString("reading-%1.bin").arg(i));
            QVERIFY(QFile::copy(SamplePath("opm-readings.bin"), path));
            QVERIFY(second.View().OpenRecognizedFile(path));
            opened.prepend(path);
        }
        QCOMPARE(RecentEntries(second.Frame()), opened.mid(0, RecentFiles::MaxCount));

        // The window comes back where it was, but never off every screen and
        // never larger than the screen.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        second.Frame().resize(screen.size() * 3);
        second.Frame().move(screen.topRight() + QPoint(5000, 5000));
        QVERIFY(!screen.intersects(second.Frame().frameGeometry()));
        QVERIFY(second.Frame().width() > screen.width());
        second.Frame().close();
        settings.Reload();
        Fixture third;
        const QRect window = third.Frame().frameGeometry();
        QVERIFY(screen.contains(QPoint(window.center().x(), window.top() + 10)));
        QVERIFY(window.width() <= screen.width() && window.height() <= screen.height());
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
