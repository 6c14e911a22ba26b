#include "app/ProgramOptions.h"

#include "platform/files/QuotedName.h"

namespace {
// A day: the longest trace a script asks for, and far below the timer's limit.
constexpr int MaxTraceSeconds = 86400;

// An option's argument, which may not look like an option ("./-x" names a
// folder called -x).
bool TakesArgument(const QStringList& arguments, int i)
{
    return i + 1 < arguments.size() && !arguments[i + 1].isEmpty() && !arguments[i + 1].startsWith('-');
}
} // namespace

ProgramOptions ProgramOptions::Parse(const QStringList& arguments)
{
    ProgramOptions line;
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith("-") || argument == "-") {
            line.files.append(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            line.showHelp = true;
        } else if (argument == "--version") {
            line.showVersion = true;
        } else if (argument == "--simulate") {
            line.simulate = true;
        } else if (argument == "--trace-for") {
            bool number = false;
            line.traceForSeconds = TakesArgument(arguments, i) ? arguments[++i].toInt(&number) : 0;
            if (!number || line.traceForSeconds < 1 || line.traceForSeconds > MaxTraceSeconds) {
                line.error =
                    QString("--trace-for needs a number of seconds from 1 to %1").arg(MaxTraceSeconds);
                return line;
            }
        } else if (argument == "--screenshots" || argument.startsWith("--screenshots=")) {
            if (argument.contains('='))
                line.screenshotsDir = argument.mid(argument.indexOf('=') + 1);
            else if (TakesArgument(arguments, i))
                line.screenshotsDir = arguments[++i];
            if (line.screenshotsDir.isEmpty()) {
                line.error = "--screenshots needs a folder";
                return line;
            }
        } else {
            line.error =
                QString("unknown option %1").arg(QString::fromStdString(QuotedName(argument.toStdString())));
            return line;
        }
    }
    return line;
}

QString ProgramOptions::Usage()
{
    return "Usage: kav [--simulate] [--trace-for SECONDS] [--screenshots DIR] [FILE...]\n"
           "  FILE              instrument result files or KAV documents, each opened on the tab of its "
           "kind\n"
           "  --simulate        a simulated instrument stands in for the USB instrument\n"
           "  --trace-for SECONDS\n"
           "                    trace on the AUTOTRACE tab and save the log for SECONDS, then stop\n"
           "  --screenshots DIR render the window on each tab into DIR/<tab>.png and exit\n"
           "                    (after the trace, when --trace-for is given)\n"
           "  --version         print the version and exit\n";
}
