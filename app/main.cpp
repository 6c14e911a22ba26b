#include "ProgramIdentity.h"
#include "app/CKAVApp.h"
#include "app/CMainFrame.h"
#include "app/HeadlessPrompts.h"
#include "app/ProgramOptions.h"
#include "app/Screenshots.h"
#include "app/ScriptedTrace.h"
#include "app/WindowLanguage.h"
#include "platform/files/FileSystem.h"
#include "platform/hid/HidTransport.h"
#include "platform/hid/SimulatedInstrument.h"
#include "platform/ui/DisplayPresence.h"
#include "platform/ui/ProgramSettings.h"
#include "report/Translations.h"
#include "views/AutoTracePageControl.h"
#include "views/CKAVView.h"

#include "platform/AppTitle.h"

#include <QApplication>
#include <QHashSeed>
#include <QTimer>

#include <cstdio>

namespace {
// --help and --version: answered on the terminal, no window opens.
bool AnsweredOnTerminal(const ProgramOptions& line)
{
    if (line.showHelp)
        std::printf("%s", qPrintable(ProgramOptions::Usage()));
    else if (line.showVersion)
        std::printf("kav %s\n", ProgramVersion);
    return line.showHelp || line.showVersion;
}

QStringList ArgumentsAfterProgramName(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}
} // namespace

int main(int argc, char* argv[])
{
    KeepRunningAtFileSizeLimit();
    // The QApplication needs a display, which --help and --version do not, so
    // they are looked for first. Qt's own options (-platform, -style) are
    // known only to the QApplication: a line with them is read after it.
    const ProgramOptions early = ProgramOptions::Parse(ArgumentsAfterProgramName(argc, argv));
    if (early.error.isEmpty() && AnsweredOnTerminal(early))
        return 0;
    // A stability run shows no window, so it needs no display either.
    if (early.stabilitySeconds > 0 && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!DisplayAvailable(argc, argv)) {
        std::fprintf(stderr, "kav: no display found. Run headless with "
                             "'QT_QPA_PLATFORM=offscreen kav --screenshots DIR FILE...' "
                             "or start an X server (for example: xvfb-run kav).\n");
        return 1;
    }

    // Export PDF lists its fonts in the order of a hash table: with the same
    // seed every run, the same report gives the same bytes.
    QHashSeed::setDeterministicGlobalSeed();
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(DesktopEntryName);
    const ProgramOptions line = ProgramOptions::Parse(QApplication::arguments().mid(1));
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "kav: %s\n%s", qPrintable(line.error), qPrintable(ProgramOptions::Usage()));
        return 2;
    }
    if (AnsweredOnTerminal(line))
        return 0;

    const bool screenshots = !line.screenshotsDir.isEmpty();
    const bool stability = line.stabilitySeconds > 0;
    HeadlessPrompts headless;
    // Pictures are the same on every machine: they neither read nor change
    // what the user's window and files were. A stability run asks nobody,
    // but logs where the user logs and prints the user's report options.
    std::unique_ptr<ProgramSettings> userSettings;
    if (screenshots || stability)
        Prompts::Install(&headless);
    if (!screenshots) {
        userSettings = ProgramSettings::OfUser(CKAVApp::SettingsOrganization, ApplicationTitle);
        ProgramSettings::Install(userSettings.get());
    }

    WindowLanguage::Install(WindowLanguage::InEffect(ProgramSettings::Current()), TranslationsFolder());

    std::shared_ptr<HidTransport> transport = line.simulate
                                                  ? std::shared_ptr<HidTransport>(CreateSimulatedInstrument())
                                                  : CreateSystemHidTransport();
    CKAVApp app(MakeAutoTracePageFactory(std::move(transport), std::string("kav ") + ProgramVersion));
    if (!app.InitInstance(line.files))
        return 1;
    CMainFrame& frame = *app.MainFrame();
    if (line.simulate)
        frame.SetCaptionNote(QCoreApplication::translate("main", " (simulated instrument)"));

    int status = 0;
    if (stability) {
        StabilitySettings settings;
        settings.durationS = line.stabilitySeconds;
        settings.toleranceDb = line.toleranceDb;
        RunScriptedStability(*frame.View(), settings, line.certificatePath, [](StabilityExit exit) {
            // After the event loop has started, even when the run could not.
            QTimer::singleShot(0, [exit] { QApplication::exit(static_cast<int>(exit)); });
        });
        return application.exec();
    }
    const auto takeScreenshots = [&] {
        status = SaveTabScreenshots(frame, line.screenshotsDir) ? 0 : 1;
        Prompts::Install(nullptr);
    };
    if (line.traceForSeconds > 0) {
        RunScriptedTrace(
            *frame.View(), line.traceForSeconds,
            [&] {
                if (screenshots) {
                    takeScreenshots();
                    QApplication::exit(status);
                }
            });
    } else if (screenshots) {
        takeScreenshots();
        return status;
    }
    return application.exec();
}
