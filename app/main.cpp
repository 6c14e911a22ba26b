#include "AutoTracePageControl.h"
#include "CKAVApp.h"
#include "CMainFrame.h"
#include "CommandLine.h"
#include "HeadlessPrompts.h"
#include "HidTransport.h"
#include "Screenshots.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const CommandLine line = CommandLine::Parse(QApplication::arguments().mid(1));
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "kav: %s\n%s", qPrintable(line.error), qPrintable(CommandLine::Usage()));
        return 2;
    }
    if (line.showHelp) {
        std::printf("%s", qPrintable(CommandLine::Usage()));
        return 0;
    }

    const bool screenshots = !line.screenshotsDir.isEmpty();
    HeadlessPrompts headless;
    if (screenshots)
        Prompts::Install(&headless);

    CKAVApp app(MakeAutoTracePageFactory(CreateSystemHidTransport()));
    if (!app.InitInstance(line.files))
        return 1;
    if (screenshots) {
        const bool written = SaveTabScreenshots(*app.MainFrame(), line.screenshotsDir);
        Prompts::Install(nullptr);
        return written ? 0 : 1;
    }
    return application.exec();
}
