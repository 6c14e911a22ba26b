#include "ProgramIdentity.h"

#include <QProcess>
#include <QtTest>

// --version and --help are answered on the terminal, also where no window can
// open: a server, an SSH session, a package check. A platform that does not
// exist stands in for a missing display, so the test does not depend on the
// machine having one.
class VersionOptionTest : public QObject
{
    Q_OBJECT

    static QByteArray Run(const QStringList& arguments, int* exitCode)
    {
        QProcess kav;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "no-such-platform");
        kav.setProcessEnvironment(environment);
        kav.start(KAV_BINARY, arguments);
        if (!kav.waitForFinished(10000) || kav.exitStatus() != QProcess::NormalExit)
            return "did not end normally: " + kav.readAllStandardError();
        *exitCode = kav.exitCode();
        return kav.readAllStandardOutput();
    }

private slots:
    void answeredWithoutAWindow()
    {
        int status = -1;
        QCOMPARE(Run({"--version"}, &status), QByteArray("kav ") + ProgramVersion + "\n");
        QCOMPARE(status, 0);

        status = -1;
        const QByteArray help = Run({"--help", "results.kav"}, &status);
        QCOMPARE(status, 0);
        QVERIFY2(help.startsWith("Usage: kav ") && help.contains("--version"), help.constData());
    }

    // Qt's own options are read by the QApplication, so such a line is
    // answered once it exists; here -platform picks one that does.
    void qtOptionsAlongside()
    {
        int status = -1;
        QCOMPARE(Run({"-platform", "offscreen", "--version"}, &status),
                 QByteArray("kav ") + ProgramVersion + "\n");
        QCOMPARE(status, 0);
    }
};

QTEST_MAIN(VersionOptionTest)
#include "VersionOptionTest.moc"
