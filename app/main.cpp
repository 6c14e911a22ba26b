#include "AutoTracePageControl.h"
#include "CKAVApp.h"
#include "CKAVView.h"
#include "CMainFrame.h"
#include "HeadlessPrompts.h"
#include "HidTransport.h"
#include "ProgramIdentity.h"
#include "ProgramOptions.h"
#include "Screenshots.h"
#include "ScriptedTrace.h"
#include "SimulatedInstrument.h"

#include <QApplication>

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
    // The QApplication needs a display, which --help and --version do not, so
    // they are looked for first. Qt's own options (-platform, -style) are
    // known only to the QApplication: a line with them is read after it.
    const ProgramOptions early = ProgramOptions::Parse(ArgumentsAfterProgramName(argc, argv));
    if (early.error.isEmpty() && AnsweredOnTerminal(early))
        return 0;

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
    HeadlessPrompts headless;
    if (screenshots)
        Prompts::Install(&headless);

    std::shared_ptr<HidTransport> transport = line.simulate
                                                  ? std::shared_ptr<HidTransport>(CreateSimulatedInstrument())
                                                  : CreateSystemHidTransport();
    CKAVApp app(MakeAutoTracePageFactory(std::move(transport)));
    if (!app.InitInstance(line.files))
        return 1;
    CMainFrame& frame = *app.MainFrame();
    if (line.simulate)
        frame.SetCaptionNote(QStringLiteral(" (simulated instrument)"));

    int status = 0;
    const auto takeScreenshots = [&] {
        status = SaveTabScreenshots(frame, line.screenshotsDir) ? 0 : 1;
        Prompts::Install(nullptr);
    };
    if (line.traceForSeconds > 0) {
        RunScriptedTrace(*frame.View(), line.traceForSeconds, [&] {
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
