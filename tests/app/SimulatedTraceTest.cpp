#include "tests/support/ScratchFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The program as a trainer runs it without hardware: `kav --simulate
// --trace-for SECONDS --screenshots DIR` traces the simulated instrument,
// logs what it saw, stops, and leaves the pictures of every tab, without
// touching the user's settings.
class SimulatedTraceTest : public QObject
{
    Q_OBJECT

private slots:
    void tracesLogsStopsAndTakesPictures()
    {
        QTemporaryDir home;
        const QString shots = home.filePath("shots");
        // What a user has saved stays as it is: pictures neither read nor
        // write the program's settings.
        const QString config = home.filePath("config");
        const QString saved = config + "/Local AppWizard-Generated Applications/KAV.conf";
        const std::string savedBytes = "[Window]\nTab=4\nSize=@Size(500 400)\n";
        QVERIFY(QDir().mkpath(QFileInfo(saved).path()));
        WriteBytes(saved.toStdString(), savedBytes);

        QProcess kav;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path()); // the log's default folder
        environment.insert("XDG_CONFIG_HOME", config);
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        kav.setProcessEnvironment(environment);
        kav.start(KAV_BINARY, {"--simulate", "--trace-for", "3", "--screenshots", shots,
                               qEnvironmentVariable("KAV_SOURCE_DIR") + "/samples/opm-readings.bin"});
        QVERIFY(kav.waitForFinished(30000));
        QCOMPARE(kav.exitStatus(), QProcess::NormalExit);
        QCOMPARE(kav.exitCode(), 0);

        QCOMPARE(QDir(shots).entryList({"*.png"}).size(), 5); // a picture of each tab
        QCOMPARE(ReadBytes(saved.toStdString()), savedBytes);
        QCOMPARE(QDir(config).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList({"Local AppWizard-Generated Applications"}));
        QCOMPARE(QDir(QFileInfo(saved).path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList({"KAV.conf"}));

        // The log's lines are the link's own (its tests check them): an
        // empty line, the header, then a line per report, one each 500 ms,
        // so three seconds give about six; the last split part is what
        // follows the final line end.
        const QList<QByteArray> lines =
            QByteArray::fromStdString(ReadBytes(home.filePath("COMData.txt").toStdString())).split('\n');
        QVERIFY(lines.size() - 3 >= 3);
        QVERIFY2(lines[1].contains("nmRef."), lines[1].constData());
    }
};

QTEST_MAIN(SimulatedTraceTest)
#include "SimulatedTraceTest.moc"
