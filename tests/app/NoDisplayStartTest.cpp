#include "ProgramIdentity.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

// Started where no window can open (a server, an SSH session, a package
// check): --version, --help and a wrong option are answered on the terminal,
// and the program says how to run headless instead of aborting.
class NoDisplayStartTest : public QObject
{
    Q_OBJECT

private slots:
    void answeredOnTheTerminal()
    {
        const QString version = "^kav " + QRegularExpression::escape(ProgramVersion) + "\n$";
        const struct
        {
            const char* program;
            QStringList arguments;
            int exitCode;
            QString output; // what standard output and standard error match
            QString errors;
        } runs[] = {
            {KAV_BINARY, {"--version"}, 0, version, ""},
            // Qt's own options are read by the QApplication; -platform picks
            // a platform that needs no display.
            {KAV_BINARY, {"-platform", "offscreen", "--version"}, 0, version, ""},
            {KAV_BINARY, {"--help", "results.kav"}, 0, "^Usage: kav .*--version", ""},
            {GRID_DEMO_BINARY, {"--help"}, 0, "--rows.*--screenshot", ""},
            {KAV_BINARY, {}, 1, "^$", "QT_QPA_PLATFORM=offscreen"},
            {KAV_BINARY, {"-platform", "offscreen", "--trace-for", "soon"}, 2, "^$", "--trace-for"},
            // From a second to a day: a longer trace would overflow the timer.
            {KAV_BINARY, {"-platform", "offscreen", "--trace-for", "0"}, 2, "^$", "1 to 86400"},
            {KAV_BINARY, {"-platform", "offscreen", "--trace-for", "86401"}, 2, "^$", "1 to 86400"},
            {KAV_BINARY, {"-platform", "offscreen", "--trace-for", "2147483647"}, 2, "^$", "1 to 86400"},
            // A stability run names its certificate, and its tolerance is a
            // number of dB above 0.
            {KAV_BINARY, {"--stability", "5"}, 2, "^$", "--certificate OUT.pdf"},
            {KAV_BINARY,
             {"--stability", "5", "--tolerance", "-1", "--certificate", "x.pdf"},
             2,
             "^$",
             "above 0"},
            {KAV_BINARY, {"-platform", "offscreen", "--tolerance", "0.5"}, 2, "^$", "go with --stability"},
            // An option's argument never looks like an option.
            {KAV_BINARY, {"-platform", "offscreen", "--screenshots", "--simulate"}, 2, "^$", "--screenshots"},
        };
        const auto matches = [](const QString& pattern, const QByteArray& text) {
            return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)
                .match(QString::fromLocal8Bit(text))
                .hasMatch();
        };
        for (const auto& run : runs) {
            QProcess process;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                environment.remove(display);
            process.setProcessEnvironment(environment);
            process.start(run.program, run.arguments);
            QVERIFY(process.waitForFinished(10000));
            QCOMPARE(process.exitStatus(), QProcess::NormalExit);
            QCOMPARE(process.exitCode(), run.exitCode);
            const QByteArray output = process.readAllStandardOutput();
            const QByteArray errors = process.readAllStandardError();
            QVERIFY2(matches(run.output, output), output.constData());
            QVERIFY2(matches(run.errors, errors), errors.constData());
        }
    }
};

QTEST_MAIN(NoDisplayStartTest)
#include "NoDisplayStartTest.moc"
