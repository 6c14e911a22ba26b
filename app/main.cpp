#include "AutoTracePageControl.h"
#include "CKAVApp.h"
#include "CKAVView.h"
#include "CMainFrame.h"
#include "HeadlessPrompts.h"
#include "HidTransport.h"
#include "ProgramOptions.h"
#include "Screenshots.h"
#include "ScriptedTrace.h"
#include "SimulatedInstrument.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const ProgramOptions line = ProgramOptions::Parse(QApplication::arguments().mid(1));
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "kav: %s\n%s", qPrintable(line.error), qPrintable(ProgramOptions::Usage()));
        return 2;
    }
    if (line.showHelp) {
        std::printf("%s", qPrintable(ProgramOptions::Usage()));
        return 0;
    }

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
