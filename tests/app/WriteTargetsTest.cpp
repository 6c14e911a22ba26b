#include "tests/support/FullDiskRun.h"
#include "tests/support/ScratchFolder.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

// What kav writes by itself (its pictures, the trace log) never waits on a
// pipe put under the file's name, and a full disk keeps the old pictures.
class WriteTargetsTest : public QObject
{
    Q_OBJECT

private:
    struct Run
    {
        bool finished = false;
        int exitCode = -1;
        QString errors;
    };

    static Run Kav(const QStringList& arguments, const QString& home, int milliseconds)
    {
        QProcess kav;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home); // the log's default folder
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        kav.setProcessEnvironment(environment);
        kav.start(KAV_BINARY, arguments);
        Run run;
        run.finished = kav.waitForFinished(milliseconds);
        if (!run.finished)
            kav.kill();
        run.exitCode = kav.exitCode();
        run.errors = QString::fromLocal8Bit(kav.readAllStandardError());
        return run;
    }

    static QString Sample() { return qEnvironmentVariable("KAV_SOURCE_DIR") + "/samples/opm-readings.bin"; }

    static void MakePipe(const QString& path)
    {
        QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    }

private slots:
    void pipesAreRefusedAtOnce()
    {
        ScratchFolder dir;
        const QString home = QString::fromStdString(dir.Path()), shots = home + "/shots";
        QVERIFY(QDir().mkpath(shots));
        MakePipe(shots + "/opm.png");
        Run run = Kav({"--screenshots", shots, Sample()}, home, 5000);
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 1);
        // One line of its own (Qt may add notices of its own to the output).
        const QStringList said = run.errors.split('\n').filter("kav: ");
        QCOMPARE(said.size(), 1);
        QVERIFY2(said[0].contains("opm.png") && said[0].contains("a named pipe"), qPrintable(run.errors));
        QCOMPARE(QDir(shots).entryList({"*.png"}, QDir::Files).size(), 4);

        // The log, while a trace of one second saves; its message, which
        // names a folder with a line break and an escape in its name, stays
        // one line.
        const QString logHome = home + "/home\n\x1b[2J";
        QVERIFY(QDir().mkpath(logHome));
        MakePipe(logHome + "/COMData.txt");
        run =
            Kav({"--simulate", "--trace-for", "1", "--screenshots", home + "/more", Sample()}, logHome, 6000);
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 0);
        const QStringList logLines = run.errors.split('\n').filter("trace log");
        QCOMPARE(logLines.size(), 1);
        QVERIFY2(logLines[0].contains("a named pipe"), qPrintable(run.errors));
        QVERIFY(!run.errors.contains(QChar(0x1b)));
        for (const QString& pipe : {shots + "/opm.png", logHome + "/COMData.txt"})
            QVERIFY(QFileInfo(pipe).isFile() == false && QFileInfo::exists(pipe));
    }

    // Pictures on a full disk: each old one stays byte for byte, and no
    // temporary file is left.
    void aFullDiskKeepsTheOldPictures()
    {
        ScratchFolder dir;
        const std::string keep = dir.File("kept");
        const QStringList pictures = {"autotrace.png", "kav.png", "opm.png", "orl.png", "trace.png"};
        std::string setup;
        for (const QString& picture : pictures)
            setup += "printf old >\"$DISK/" + picture.toStdString() + "\"; ";
        const std::string commands = "QT_QPA_PLATFORM=offscreen '" KAV_BINARY "' --screenshots \"$DISK\" '" +
                                     Sample().toStdString() + "' 2>/dev/null";
        std::string why;
        const std::optional<int> status = RunOnFullDisk(dir.Path(), setup, commands, keep, why);
        if (!status)
            QSKIP(why.c_str());
        QCOMPARE(*status, 1);
        const QDir kept(QString::fromStdString(keep));
        QCOMPARE(kept.entryList(QDir::Files | QDir::Hidden), pictures);
        for (const QString& picture : pictures)
            QCOMPARE(ReadBytes(kept.filePath(picture).toStdString()), std::string("old"));
    }

    // A file-size limit (ulimit -f) is a full disk too: the program says so
    // and ends as on one, the old picture kept, where the system would end
    // it by SIGXFSZ.
    void aFileSizeLimitKeepsTheOldPictures()
    {
        ScratchFolder dir;
        const QString shots = QString::fromStdString(dir.File("shots"));
        QVERIFY(QDir().mkpath(shots));
        WriteBytes(dir.File("shots/opm.png"), "old");
        QProcess kav;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        kav.setProcessEnvironment(environment);
        kav.start("sh", {"-c", "ulimit -f 0; exec \"$0\" --screenshots \"$1\" \"$2\"", KAV_BINARY, shots,
                         Sample()});
        QVERIFY(kav.waitForFinished(30000));
        QCOMPARE(kav.exitStatus(), QProcess::NormalExit);
        QCOMPARE(kav.exitCode(), 1);
        QVERIFY2(QString::fromLocal8Bit(kav.readAllStandardError()).contains(std::strerror(ENOSPC)),
                 "the full disk is said");
        QCOMPARE(ReadBytes(dir.File("shots/opm.png")), std::string("old"));
    }
};

QTEST_MAIN(WriteTargetsTest)
#include "WriteTargetsTest.moc"
