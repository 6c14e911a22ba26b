#include "app/ProgramOptions.h"

#include "platform/files/QuotedName.h"

namespace {
// A day: the longest trace or stability run a script asks for, and far
// below the timer's limit.
constexpr int MaxTraceSeconds = 86400;
// The widest tolerance a stability run takes, in dB.
constexpr double MaxToleranceDb = 100.0;

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
        } else if (argument == "--trace-for" || argument == "--stability") {
            bool number = false;
            const int seconds = TakesArgument(arguments, i) ? arguments[++i].toInt(&number) : 0;
            if (!number || seconds < 1 || seconds > MaxTraceSeconds) {
                line.error =
                    QString("%1 needs a number of seconds from 1 to %2").arg(argument).arg(MaxTraceSeconds);
                return line;
            }
            if (argument == "--trace-for")
                line.traceForSeconds = seconds;
            else
                line.stabilitySeconds = seconds;
        } else if (argument == "--tolerance") {
            bool number = false;
            // A tolerance may be written as a negative number by mistake; it is
            // taken as an argument so that the refusal names it.
            const bool given = i + 1 < arguments.size();
            const double tolerance = given ? arguments[++i].toDouble(&number) : 0.0;
            if (!number || !(tolerance > 0.0) || tolerance > MaxToleranceDb) {
                line.error =
                    QString("--tolerance needs a number of dB above 0 and up to %1").arg(MaxToleranceDb);
                return line;
            }
            line.toleranceDb = tolerance;
        } else if (argument == "--certificate") {
            if (TakesArgument(arguments, i))
                line.certificatePath = arguments[++i];
            if (line.certificatePath.isEmpty()) {
                line.error = "--certificate needs the name of a PDF file";
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
    const bool runAsked = line.stabilitySeconds > 0;
    if (runAsked && line.certificatePath.isEmpty())
        line.error = "--stability needs --certificate OUT.pdf";
    else if (!runAsked && (line.toleranceDb || !line.certificatePath.isEmpty()))
        line.error = "--tolerance and --certificate go with --stability";
    else if (runAsked &&
             (line.traceForSeconds > 0 || !line.screenshotsDir.isEmpty() || !line.files.isEmpty()))
        line.error = "--stability runs on its own, without --trace-for, --screenshots or files";
    return line;
}

QString ProgramOptions::Usage()
{
    return "Usage: kav [--simulate] [--trace-for SECONDS] [--screenshots DIR] [FILE...]\n"
           "       kav [--simulate] --stability SECONDS [--tolerance DB] --certificate OUT.pdf\n"
           "  FILE              instrument result files or KAV documents, each opened on the tab of its "
           "kind\n"
           "  --simulate        a simulated instrument stands in for the USB instrument\n"
           "  --trace-for SECONDS\n"
           "                    trace on the AUTOTRACE tab and save the log for SECONDS, then stop\n"
           "  --screenshots DIR render the window on each tab into DIR/<tab>.png and exit\n"
           "                    (after the trace, when --trace-for is given)\n"
           "  --stability SECONDS\n"
           "                    without a window: trace, save the log and run a stability run\n"
           "                    for SECONDS, then write its certificate and stop; exits 0 when\n"
           "                    it passed (or had no tolerance), 3 when it failed, 4 when it\n"
           "                    did not complete, 1 when it could not start or be written\n"
           "  --tolerance DB    the most max - min may be for the run to pass\n"
           "  --certificate OUT.pdf\n"
           "                    where the run's one-page certificate is written\n"
           "  --version         print the version and exit\n";
}
