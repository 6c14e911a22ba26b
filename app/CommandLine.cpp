#include "CommandLine.h"

CommandLine CommandLine::Parse(const QStringList& arguments)
{
    CommandLine line;
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith("-") || argument == "-") {
            line.files.append(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            line.showHelp = true;
        } else if (argument == "--screenshots") {
            if (i + 1 >= arguments.size()) {
                line.error = "--screenshots needs a folder";
                return line;
            }
            line.screenshotsDir = arguments[++i];
        } else if (argument.startsWith("--screenshots=")) {
            line.screenshotsDir = argument.mid(QString("--screenshots=").size());
        } else {
            line.error = QString("unknown option %1").arg(argument);
            return line;
        }
    }
    if (line.screenshotsDir.isEmpty() && arguments.contains("--screenshots="))
        line.error = "--screenshots needs a folder";
    return line;
}

QString CommandLine::Usage()
{
    return "Usage: kav [--screenshots DIR] [FILE...]\n"
           "  FILE              instrument result files or KAV documents, each opened on the tab of its "
           "kind\n"
           "  --screenshots DIR render the window on each tab into DIR/<tab>.png and exit\n";
}
