#include "tests/support/PdfReading.h"
#include "tests/support/ScratchFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The program with its log in `home` and settings of its own there.
void Prepare(QProcess& kav, const QTemporaryDir& home, bool offscreen = true)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path()); // the log's default folder
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(display);
    if (offscreen)
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    kav.setProcessEnvironment(environment);
}

QList<QByteArray> CsvLines(const QTemporaryDir& home)
{
    return QByteArray::fromStdString(ReadBytes(home.filePath("COMData.csv").toStdString())).split('\n');
}
} // namespace

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
        Prepare(kav, home);
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
        // The CSV log beside it ends with the statistics of what it logged.
        QVERIFY2(CsvLines(home).value(CsvLines(home).size() - 2).startsWith("# Max - min (dB): "),
                 CsvLines(home).join('\n').constData());
    }

    // Killed while it logs, the program leaves a CSV log of whole lines: its
    // header, then a row for every reading written, without a part of one.
    void aKillLeavesTheCsvLogWhole()
    {
        QTemporaryDir home;
        QProcess kav;
        Prepare(kav, home);
        kav.start(KAV_BINARY, {"--simulate", "--trace-for", "60"});
        QVERIFY(kav.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(CsvLines(home).size() >= 6 + 4, 20000);
        kav.kill();
        QVERIFY(kav.waitForFinished(10000));
        const QList<QByteArray> lines = CsvLines(home);
        const QStringList header = {
            "# Wavelength (nm): 1550", "# Reference (dBm): -3.20",
            "# Interval (s): 0.5",     "# Started: ",
            "# Program: kav ",         "Time,Wavelength(nm),Power(dBm),Loss(dB),State"};
        for (int i = 0; i < header.size(); ++i)
            QVERIFY2(lines[i].startsWith(header[i].toUtf8()) && lines[i].endsWith('\r'),
                     lines[i].constData());
        const QRegularExpression row(
            R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3},\d+,(-?\d+\.\d\d)?,(-?\d+\.\d\d)?,(OK|Low|High)\r$)");
        for (int i = header.size(); i + 1 < lines.size(); ++i)
            QVERIFY2(row.match(QString::fromLatin1(lines[i])).hasMatch(), lines[i].constData());
        QVERIFY(lines.last().isEmpty()); // the file ends with a whole line
    }

    // Without a display, a stability run writes its certificate and its log,
    // tells the result on the standard output and in its exit status.
    void aStabilityRunWritesItsCertificateWithoutADisplay()
    {
        QTemporaryDir home;
        QProcess kav;
        Prepare(kav, home, false);
        const QString certificate = home.filePath("run.pdf");
        kav.start(KAV_BINARY,
                  {"--simulate", "--stability", "3", "--tolerance", "5", "--certificate", certificate});
        QVERIFY(kav.waitForFinished(30000));
        QCOMPARE(kav.exitStatus(), QProcess::NormalExit);
        QCOMPARE(kav.exitCode(), 0);
        QVERIFY(kav.readAllStandardOutput().startsWith("Stability run: Pass; 1550 nm: max - min "));
        const std::string text = PdfText(certificate.toStdString());
        QCOMPARE(PdfPages(certificate.toStdString()), 1);
        QVERIFY2(HasWord(text, "Stability Certificate") && HasWord(text, "Result: Pass"), text.c_str());
        QVERIFY(CsvLines(home).contains("# Run result: Pass\r"));
    }
};

QTEST_MAIN(SimulatedTraceTest)
#include "SimulatedTraceTest.moc"
