// grid-demo [--rows N] [--screenshot FILE]
// Shows a grid filled like the loss-test table; with --screenshot it renders
// the window to a PNG file and exits.
#include "grid/GridCtrl.h"
#include "tools/grid-demo/LossTableSample.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <cstdio>
#include <cstring>

namespace {
const QCommandLineOption RowsOption(QStringLiteral("rows"), QStringLiteral("Data rows to fill (default 30)."),
                                    QStringLiteral("N"), QStringLiteral("30"));
const QCommandLineOption ShotOption(QStringLiteral("screenshot"),
                                    QStringLiteral("Render the window to FILE (PNG) and exit."),
                                    QStringLiteral("FILE"));

void DescribeOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral("Grid control demonstration"));
    parser.addHelpOption();
    parser.addOption(RowsOption);
    parser.addOption(ShotOption);
}

bool AsksForHelp(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char* help : {"--help", "-h", "-?", "--help-all"})
            if (std::strcmp(argv[i], help) == 0)
                return true;
    }
    return false;
}
} // namespace

int main(int argc, char** argv)
{
    // The QApplication needs a display, which --help does not: it is
    // answered first, with a core application only (and ends the process).
    if (AsksForHelp(argc, argv)) {
        QCoreApplication core(argc, argv);
        QCommandLineParser parser;
        DescribeOptions(parser);
        parser.process(core);
    }

    QApplication app(argc, argv);
    QCommandLineParser parser;
    DescribeOptions(parser);
    parser.process(app);

    bool ok = false;
    const int rows = parser.value(RowsOption).toInt(&ok);
    if (!ok || rows < 0) {
        std::fprintf(stderr, "grid-demo: --rows needs a whole number of 0 or more\n");
        return 2;
    }

    CGridCtrl grid;
    grid.setWindowTitle(QStringLiteral("Grid demo"));
    grid.resize(1200, 600);
    grid.show();
    FillLossTableSample(grid, rows);

    if (parser.isSet(ShotOption)) {
        const QString file = parser.value(ShotOption);
        if (!grid.grab().save(file, "PNG")) {
            std::fprintf(stderr, "grid-demo: cannot write %s\n", qPrintable(file));
            return 1;
        }
        return 0;
    }
    return app.exec();
}
