#include "ProgramIdentity.h"

#include <QProcess>
#include <QtTest>

// Started where no window can open (a server, an SSH session, a package
// check): --version and --help are answered on the terminal, and the program
// says how to run headless instead of aborting.
class NoDisplayStartTest : public QObject
{
    Q_OBJECT

    struct Outcome
    {
        int exitCode = -1;
        QByteArray output;
        QByteArray errors;
    };

    static Outcome Run(const char* program, const QStringList& arguments)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(display);
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        Outcome outcome;
        if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit) {
            outcome.errors = "did not end normally: " + process.readAllStandardError();
            return outcome;
        }
        outcome.exitCode = process.exitCode();
        outcome.output = process.readAllStandardOutput();
        outcome.errors = process.readAllStandardError();
        return outcome;
    }

private slots:
    void answeredWithoutAWindow()
    {
        const Outcome version = Run(KAV_BINARY, {"--version"});
        QCOMPARE(version.output, QByteArray("kav ") + ProgramVersion + "\n");
        QCOMPARE(version.exitCode, 0);

        const Outcome help = Run(KAV_BINARY, {"--help", "results.kav"});
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.output.startsWith("Usage: kav ") && help.output.contains("--version"),
                 help.errors.constData());

        const Outcome demo = Run(GRID_DEMO_BINARY, {"--help"});
        QCOMPARE(demo.exitCode, 0);
        QVERIFY2(demo.output.contains("--rows") && demo.output.contains("--screenshot"),
                 demo.errors.constData());
    }

    void saysHowToRunHeadless()
    {
        const Outcome kav = Run(KAV_BINARY, {});
        QCOMPARE(kav.exitCode, 1);
        QVERIFY2(kav.errors.contains("QT_QPA_PLATFORM=offscreen"), kav.errors.constData());
        QVERIFY(kav.output.isEmpty());
    }

    // Qt's own options are read by the QApplication; -platform picks a
    // platform that needs no display.
    void qtOptionsAlongside()
    {
        const Outcome version = Run(KAV_BINARY, {"-platform", "offscreen", "--version"});
        QCOMPARE(version.output, QByteArray("kav ") + ProgramVersion + "\n");
        QCOMPARE(version.exitCode, 0);
    }
};

QTEST_MAIN(NoDisplayStartTest)
#include "NoDisplayStartTest.moc"
