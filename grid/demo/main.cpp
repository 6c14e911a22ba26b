// grid-demo [--rows N] [--screenshot FILE]
// Shows a grid filled like the loss-test table; with --screenshot it renders
// the window to a PNG file and exits.
#include "GridCtrl.h"
#include "LossTableSample.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Grid control demonstration"));
    parser.addHelpOption();
    const QCommandLineOption rowsOption(QStringLiteral("rows"),
                                        QStringLiteral("Data rows to fill (default 30)."),
                                        QStringLiteral("N"), QStringLiteral("30"));
    const QCommandLineOption shotOption(QStringLiteral("screenshot"),
                                        QStringLiteral("Render the window to FILE (PNG) and exit."),
                                        QStringLiteral("FILE"));
    parser.addOption(rowsOption);
    parser.addOption(shotOption);
    parser.process(app);

    bool ok = false;
    const int rows = parser.value(rowsOption).toInt(&ok);
    if (!ok || rows < 0) {
        std::fprintf(stderr, "grid-demo: --rows needs a whole number of 0 or more\n");
        return 2;
    }

    CGridCtrl grid;
    grid.setWindowTitle(QStringLiteral("Grid demo"));
    grid.resize(1200, 600);
    grid.show();
    FillLossTableSample(grid, rows);

    if (parser.isSet(shotOption)) {
        const QString file = parser.value(shotOption);
        if (!grid.grab().save(file, "PNG")) {
            std::fprintf(stderr, "grid-demo: cannot write %s\n", qPrintable(file));
            return 1;
        }
        return 0;
    }
    return app.exec();
}
