#include "CDataStore.h"
#include "CKAVView.h"
#include "CKavGridPage.h"
#include "COpmListPage.h"
#include "COrlListPage.h"
#include "CTracePage.h"
#include "FakeAutoTrace.h"
#include "FieldText.h"
#include "ProgramSettings.h"
#include "ReportListModel.h"
#include "SampleSet.h"
#include "ScriptedPrompts.h"
#include "Tabs.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>

// The view's file commands run through the real dialogs' script: opening the
// instrument's files and the program's documents, CSV exports and document
// saves, and the folders the dialogs start in.
class ViewCommandsTest : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        QTemporaryDir dir;
        CDataStore store;
        FakeAutoTraceState trace;
        QWidget host;
        CKAVView& view = *new CKAVView(store, FakeAutoTraceFactory(trace), &host);
        ScriptedPrompts prompts;

        Fixture()
        {
            view.resize(CKAVView::FormSize());
            view.OnInitialUpdate();
            host.show();
        }
        QString Path(const QString& name) const { return dir.filePath(name); }
        void Run(CommandId id, int tab)
        {
            QVERIFY(view.SelectTab(tab));
            QVERIFY(view.OnCommand(id));
        }
    };

    static QString Sample(const char* name)
    {
        return qEnvironmentVariable("KAV_SOURCE_DIR") + "/samples/" + name;
    }

    static QList<QStringList> Rows(const CReportListPage* page)
    {
        QList<QStringList> rows;
        for (int row = 0; row < page->RowCount(); ++row) {
            QStringList texts;
            for (int column = 0; column < page->Model()->columnCount(); ++column)
                texts << page->CellText(row, column);
            rows << texts;
        }
        return rows;
    }

    static void WriteFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    static QByteArray ReadFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Save As on `tab` to "saved" with the kind's ending; the bytes written.
    static QByteArray SavedDocument(Fixture& f, int tab)
    {
        const QString name = tab == TabKav ? "saved.kav" : tab == TabOrl ? "saved.orl" : "saved.trace";
        QFile::remove(f.Path(name));
        f.prompts.QueueFile(f.Path("saved"));
        f.Run(CommandId::FileSaveAs, tab);
        return ReadFile(f.Path(name));
    }

private slots:
    void openingResultFilesListsTheirReadings()
    {
        Fixture f;
        const struct
        {
            int tab;
            const char* file;
            const char* otherKind;
        } lists[] = {{TabOpm, "opm-readings.bin", "orl-readings.bin"},
                     {TabOrl, "orl-readings.bin", "opm-readings.bin"}};
        for (const auto& list : lists) {
            const auto* page = static_cast<CReportListPage*>(f.view.PageOfTab(list.tab));
            f.prompts.Clear();
            f.prompts.QueueFile(Sample(list.file));
            f.Run(CommandId::FileOpen, list.tab);
            QCOMPARE(f.prompts.Asked().at(0).filter,
                     QString("Open Files (*.bin)|*.bin|All Files(*.*)|*.*||"));
            const QList<QStringList> decoded = Rows(page);
            QVERIFY(decoded.size() > 1);
            for (int row = 0; row < decoded.size(); ++row)
                QCOMPARE(decoded[row][0], QString::number(row + 1));
            // The rows written while decoding are the ones the store gives back.
            QVERIFY(f.view.SelectTab(TabKav));
            QVERIFY(f.view.SelectTab(list.tab));
            QCOMPARE(Rows(page), decoded);
            QVERIFY(f.prompts.MessageTexts().isEmpty());

            // A file of another kind is refused and the list keeps its rows.
            f.prompts.QueueFile(Sample(list.otherKind));
            f.Run(CommandId::FileOpen, list.tab);
            QCOMPARE(f.prompts.MessageTexts(), QStringList({"File error!"}));
            QCOMPARE(Rows(page), decoded);

            // Cancelling and a missing file change nothing and say nothing.
            f.prompts.Clear();
            f.prompts.QueueCancel();
            f.Run(CommandId::FileOpen, list.tab);
            f.prompts.QueueFile(f.Path("missing.bin"));
            f.Run(CommandId::FileOpen, list.tab);
            QVERIFY(f.prompts.MessageTexts().isEmpty());
            QCOMPARE(Rows(page), decoded);
        }
    }

    // The instrument's files may have any name, the program's document
    // endings included; a file of another kind is refused and changes nothing.
    void resultFilesNamedLikeDocumentsOpenOnTheirTab()
    {
        Fixture f;
        const struct
        {
            int tab;
            const char* sample;
            const char* name;
        } files[] = {{TabOpm, "opm-readings.bin", "x.opm"},
                     {TabKav, "kav-three-wavelengths.bin", "x.kav"},
                     {TabOrl, "orl-readings.bin", "x.orl"}};
        for (const auto& file : files) {
            QVERIFY(QFile::copy(Sample(file.sample), f.Path(file.name)));
            f.prompts.QueueFile(f.Path(file.name));
            f.Run(CommandId::FileOpen, file.tab);
        }
        QVERIFY(f.prompts.MessageTexts().isEmpty());
        QVERIFY(!f.store.GetOpmRecords().empty() && !f.store.GetOrlRecords().empty());
        QCOMPARE(size_t(f.view.OpmPage()->RowCount()), f.store.GetOpmRecords().size());
        QCOMPARE(size_t(f.view.OrlPage()->RowCount()), f.store.GetOrlRecords().size());
        QVERIFY(!f.store.GetKavRecords3().empty());
        QCOMPARE(f.view.m_KavWaveCount, 3);
        QCOMPARE(f.view.KavPage()->m_KavWaveCount, 3);

        const QByteArray kavDocument = SavedDocument(f, TabKav);
        const int opmRows = f.view.OpmPage()->RowCount();
        f.prompts.QueueFile(Sample("kav-two-wavelengths.bin"));
        f.Run(CommandId::FileOpen, TabOpm);
        QCOMPARE(f.prompts.MessageTexts(), QStringList({"File error!"}));
        QCOMPARE(f.view.OpmPage()->RowCount(), opmRows);
        QCOMPARE(f.view.m_KavWaveCount, 3);
        QCOMPARE(SavedDocument(f, TabKav), kavDocument);
    }

    // A name in the program's own document can put the byte 165 where a
    // recorded trace keeps its mark; the document still opens as itself.
    void aDocumentHoldingTheTraceMarkOpensAsADocument()
    {
        Fixture f;
        f.store.AddOrlRecord("CAB-01", "F-01\xA5", "1550nm", "45.32dB", "2026-03-04", "10:11:12");
        const QByteArray saved = SavedDocument(f, TabOrl);
        QCOMPARE(saved.mid(24, 4), QByteArray("\xA5\0\0\0", 4));

        f.store.ClearOrl();
        f.prompts.QueueFile(f.Path("saved.orl"));
        f.Run(CommandId::FileOpen, TabOrl);
        QVERIFY(f.prompts.MessageTexts().isEmpty());
        QCOMPARE(f.view.OrlPage()->RowCount(), 1);
        QCOMPARE(f.view.OrlPage()->CellText(0, 1), QString("CAB-01"));
        QVERIFY(f.store.GetTraceValues().empty());
    }

    // The TRACE tab opens trace documents and recorded traces, each replacing
    // the store's trace values; anything else is refused and changes nothing.
    void theTraceTabOpensTraceDocumentsAndRecordedTraces()
    {
        Fixture f;
        for (const float value : {-5.0f, -6.5f, -7.25f})
            f.store.AppendTraceValue(value);
        const std::vector<float> values = f.store.GetTraceValues();
        SavedDocument(f, TabTrace);
        f.store.ClearTraceValues();

        f.prompts.QueueFile(f.Path("saved.trace"));
        f.Run(CommandId::FileOpen, TabTrace);
        QVERIFY(f.prompts.MessageTexts().isEmpty());
        QCOMPARE(f.store.GetTraceValues(), values);

        f.prompts.QueueFile(Sample("trace-1550nm.bin"));
        f.Run(CommandId::FileOpen, TabTrace);
        QVERIFY(f.prompts.MessageTexts().isEmpty());
        const std::vector<float> recorded = f.store.GetTraceValues();
        QCOMPARE(recorded.size(), size_t(1 + 600)); // the reference, then the samples
        QCOMPARE(recorded.front(), -5.0f);

        f.prompts.QueueFile(Sample("opm-readings.bin"));
        f.Run(CommandId::FileOpen, TabTrace);
        QCOMPARE(f.prompts.MessageTexts(), QStringList({"File error!"}));
        QVERIFY(f.store.GetOpmRecords().empty());
        QCOMPARE(f.store.GetTraceValues(), recorded);
    }

    // A recorded trace opened on the TRACE tab fills its page; a file that is
    // refused, or a dialog that is cancelled, leaves the page and the store
    // as they were.
    void aRefusedTraceChangesNothing()
    {
        Fixture f;
        const auto text = [&](int id) {
            return f.view.TracePage()->findChild<QLineEdit*>(QString("control%1").arg(id))->text();
        };
        const QList<int> edits = {1017, 1034, 1035, 1036, 1037, 1045, 1039, 1044};
        const auto texts = [&] {
            QStringList all;
            for (int id : edits)
                all << text(id);
            return all;
        };
        f.prompts.QueueFile(Sample("trace-1550nm.bin"));
        f.Run(CommandId::FileOpen, TabTrace);
        QCOMPARE(text(1017), QString("600"));
        QCOMPARE(text(1034), QString("-5.00"));
        QCOMPARE(text(1045), QString("1550"));
        const QStringList shown = texts();
        const std::vector<float> values = f.store.GetTraceValues();
        const QString path = f.view.TracePage()->TraceFilePath();

        const QByteArray good = ReadFile(Sample("trace-1550nm.bin"));
        QByteArray wrongMark = good;
        wrongMark[24] = char(166);
        WriteFile(f.Path("short.bin"), good.left(good.size() - 1));
        WriteFile(f.Path("mark.bin"), wrongMark);
        WriteFile(f.Path("header.bin"), good.left(27));
        for (const char* refused : {"short.bin", "mark.bin", "header.bin"}) {
            f.prompts.Clear();
            f.prompts.QueueFile(f.Path(refused));
            f.Run(CommandId::FileOpen, TabTrace);
            QCOMPARE(f.prompts.MessageTexts(), QStringList({"File error!"}));
        }
        f.prompts.QueueCancel();
        f.Run(CommandId::FileOpen, TabTrace);
        QCOMPARE(texts(), shown);
        QCOMPARE(f.store.GetTraceValues(), values);
        QCOMPARE(f.view.TracePage()->TraceFilePath(), path);
    }

    void documentsSaveAndOpenAgain()
    {
        Fixture f;
        f.prompts.QueueFile(Sample("opm-readings.bin"));
        f.Run(CommandId::FileOpen, TabOpm);
        const QList<QStringList> decoded = Rows(f.view.OpmPage());

        f.prompts.QueueFile(f.Path("result"));
        f.Run(CommandId::FileSaveAs, TabOpm);
        QCOMPARE(f.prompts.Asked().back().filter, QString("OPM File(*.opm) | *.opm||"));
        QCOMPARE(QFileInfo(f.Path("result.opm")).size(), qint64(604 + 244 * decoded.size()));

        // Mixed case is refused and the dialog asks again; upper case is
        // accepted.
        f.prompts.QueueFile(f.Path("other.Opm"));
        f.prompts.QueueFile(f.Path("other.OPM"));
        f.Run(CommandId::FileSaveAs, TabOpm);
        QCOMPARE(f.prompts.MessageTexts(), QStringList({"Please end the file name with .opm or .OPM!"}));
        QVERIFY(!QFileInfo::exists(f.Path("other.Opm")));
        QVERIFY(QFileInfo::exists(f.Path("other.OPM")));
        f.prompts.Clear();

        f.store.ClearOpm();
        f.prompts.QueueFile(f.Path("result.opm"));
        f.Run(CommandId::FileOpen, TabOpm);
        QCOMPARE(Rows(f.view.OpmPage()), decoded);
        QVERIFY(f.prompts.MessageTexts().isEmpty());
    }

    void savingToAnExistingNameAfterTheExtensionIsAppendedAsks()
    {
        Fixture f;
        f.store.AppendTraceValue(-10.0f);
        WriteFile(f.Path("log.trace"), "earlier");

        f.prompts.QueueFile(f.Path("log"));
        f.prompts.QueueMessage(MessageAnswer::No);
        f.Run(CommandId::FileSaveAs, TabTrace);
        QCOMPARE(f.prompts.Asked().front().filter, QString("TRACE File(*.trace) | *.trace ||"));
        QVERIFY(f.prompts.Asked().front().confirmOverwrite);
        QCOMPARE(ReadFile(f.Path("log.trace")), QByteArray("earlier"));

        f.prompts.QueueFile(f.Path("log"));
        f.prompts.QueueMessage(MessageAnswer::Yes);
        f.Run(CommandId::FileSaveAs, TabTrace);
        QCOMPARE(QFileInfo(f.Path("log.trace")).size(), qint64(4 + 4));
        QVERIFY(f.prompts.Unexpected().empty());
    }

    void csvExportsFollowTheNamingRule()
    {
        Fixture f;
        f.store.AddOrlRecord("R1", "F9", "1550nm", "45.32dB", "2017-06-15", "14:05:09");
        const QByteArray header = "Cable,Fiber,Wavelength(nm),ORL Value(dB),Date,Time\r\n";

        f.prompts.QueueFile(f.Path("report"));
        f.Run(CommandId::FileSave, TabOrl);
        QCOMPARE(f.prompts.Asked().back().filter, QString("ORL File(*.csv) | *.csv||"));
        QVERIFY(ReadFile(f.Path("report.csv")).startsWith(header));

        f.prompts.QueueFile(f.Path("upper.CSV"));
        f.Run(CommandId::FileSaveAsCsv, TabOrl);
        QVERIFY(QFileInfo::exists(f.Path("upper.CSV")));

        QVERIFY(f.prompts.MessageTexts().isEmpty());
        f.prompts.Clear();

        // A refused ending is told, and the dialog comes back with the name
        // as typed, until an accepted name or a cancel.
        const QStringList refused = {"mixed.Csv", "text.txt", "data.csv.bak"};
        for (const QString& name : refused)
            f.prompts.QueueFile(f.Path(name));
        f.prompts.QueueFile(f.Path("mended.csv"));
        f.Run(CommandId::FileSave, TabOrl);
        QCOMPARE(f.prompts.MessageTexts(),
                 QStringList(refused.size(), "Please end the file name with .csv or .CSV!"));
        std::vector<QString> starts;
        for (const ScriptedPrompts::Prompt& prompt : f.prompts.Asked()) {
            if (prompt.kind == ScriptedPrompts::Kind::SaveFile)
                starts.push_back(prompt.start);
        }
        QCOMPARE(starts.size(), size_t(refused.size() + 1));
        for (int i = 0; i < refused.size(); ++i) {
            QCOMPARE(starts[size_t(i) + 1], f.Path(refused[i]));
            QVERIFY(!QFileInfo::exists(f.Path(refused[i])));
        }
        QVERIFY(ReadFile(f.Path("mended.csv")).startsWith(header));

        f.prompts.Clear();
        f.prompts.QueueFile(f.Path("again.txt"));
        f.prompts.QueueCancel();
        f.Run(CommandId::FileSave, TabOrl);
        QCOMPARE(f.prompts.MessageTexts().size(), 1);
        QCOMPARE(f.prompts.PendingAnswers(), size_t(0));
        QVERIFY(!QFileInfo::exists(f.Path("again.txt")) && !QFileInfo::exists(f.Path("again.csv")));
    }

    void lossTestExportFollowsTheFileRead()
    {
        Fixture f;
        const struct
        {
            const char* file;
            int waves;
            const char* csvName;
        } forms[] = {{"kav-three-wavelengths.bin", 3, "three"}, {"kav-two-wavelengths.bin", 2, "two"}};
        for (const auto& form : forms) {
            f.prompts.QueueFile(Sample(form.file));
            f.Run(CommandId::FileOpen, TabKav);
            QCOMPARE(f.view.m_KavWaveCount, form.waves);
            const size_t records =
                form.waves == 3 ? f.store.GetKavRecords3().size() : f.store.GetKavRecords2().size();
            QVERIFY(records > 0);

            f.prompts.QueueFile(f.Path(form.csvName));
            f.Run(CommandId::FileSave, TabKav);
            QCOMPARE(f.prompts.Asked().back().filter, QString("KAV File(*.csv) | *.csv||"));
            const QByteArray csv = ReadFile(f.Path(QString(form.csvName) + ".csv"));
            QVERIFY(csv.startsWith("Cable,Fiber,Wavelength(nm),LossA->B(dB),"));
            QCOMPARE(csv.count("\r\n"), qsizetype(1 + form.waves * records));
        }
        QVERIFY(f.prompts.MessageTexts().isEmpty());
    }

    void unwritableTargetsAreReported()
    {
        Fixture f;
        f.store.AddOpmRecord("C1", "F1", "1310nm", "-1.00dBm", "-2.00dBm", "2017-06-15", "14:05:09");
        // A folder where the file should go cannot be opened for writing,
        // not even by an administrator.
        QVERIFY(QDir(f.dir.path()).mkdir("taken.csv"));
        f.prompts.QueueFile(f.Path("taken.csv"));
        f.Run(CommandId::FileSave, TabOpm);
        QCOMPARE(f.prompts.MessageTexts(), QStringList({"Please close the file first!"}));
        QCOMPARE(f.prompts.Asked().back().owner, static_cast<QWidget*>(nullptr));
        QCOMPARE(f.prompts.Asked().back().detail, QString::fromLocal8Bit(std::strerror(EISDIR)));

        // A missing folder is not an open file: the detail says so.
        f.prompts.Clear();
        f.prompts.QueueFile(f.Path("no-such-folder/report.csv"));
        f.Run(CommandId::FileSave, TabOpm);
        QCOMPARE(f.prompts.MessageTexts(), QStringList({"Please close the file first!"}));
        QVERIFY2(f.prompts.Asked().back().detail.contains(QString::fromLocal8Bit(std::strerror(ENOENT))),
                 qPrintable(f.prompts.Asked().back().detail));

        f.prompts.Clear();
        QVERIFY(QDir(f.dir.path()).mkdir("taken.opm"));
        f.prompts.QueueFile(f.Path("taken.opm"));
        f.Run(CommandId::FileSaveAs, TabOpm);
        QCOMPARE(f.prompts.MessageTexts().size(), 1);
        QVERIFY(f.prompts.MessageTexts().front().contains(QDir::toNativeSeparators(f.Path("taken.opm"))));
    }

    // A named pipe is refused at once, however it is opened, with its name
    // and why; reading it would wait for a writer forever.
    void aNamedPipeIsRefusedWithoutWaiting()
    {
        Fixture f;
        f.prompts.QueueFile(Sample("opm-readings.bin"));
        f.Run(CommandId::FileOpen, TabOpm);
        const QList<QStringList> rows = Rows(f.view.OpmPage());
        const QString pipe = f.Path("readings.bin");
        QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);

        f.prompts.Clear();
        f.prompts.QueueFile(pipe);
        f.Run(CommandId::FileOpen, TabOpm);
        QVERIFY(!f.view.OpenRecognizedFile(pipe));
        QCOMPARE(f.prompts.MessageTexts().size(), 2);
        for (const QString& text : f.prompts.MessageTexts()) {
            QVERIFY2(text.startsWith("Cannot open " + QDir::toNativeSeparators(pipe) + "."),
                     qPrintable(text));
            QVERIFY2(text.contains("named pipe"), qPrintable(text));
        }
        QCOMPARE(Rows(f.view.OpmPage()), rows);
    }

    // A value too long for its record field: the list shows the text the
    // store holds, which the CSV export and the document carry too.
    void anOverLongValueIsShownAsItIsSaved()
    {
        Fixture f;
        std::vector<OpmReading> readings = SampleOpmReadings(1);
        readings[0].power = 1e30f;
        readings[0].rangeStatus = 0;
        WriteFile(f.Path("huge.bin"), QByteArray::fromStdString(EncodeOpmResult(readings)));
        f.prompts.QueueFile(f.Path("huge.bin"));
        f.Run(CommandId::FileOpen, TabOpm);
        const int power = 3; // list column; the CSV has it fifth
        const QString shown = f.view.OpmPage()->CellText(0, power);
        QCOMPARE(shown, QString::fromStdString(FieldText(f.store.GetOpmRecords().at(0).Power)));
        QVERIFY2(shown.endsWith("dBm") && shown.contains("e+30"), qPrintable(shown));

        f.prompts.QueueFile(f.Path("huge.csv"));
        f.Run(CommandId::FileSave, TabOpm);
        QCOMPARE(QString(ReadFile(f.Path("huge.csv")).split('\n').at(1).split(',').at(4)), shown);

        f.prompts.QueueFile(f.Path("huge.opm"));
        f.Run(CommandId::FileSaveAs, TabOpm);
        f.store.ClearOpm();
        f.prompts.QueueFile(f.Path("huge.opm"));
        f.Run(CommandId::FileOpen, TabOpm);
        QCOMPARE(f.view.OpmPage()->CellText(0, power), shown);
    }

    // Each kind of file dialog opens where a file of its kind was last
    // chosen, also after a restart.
    void fileDialogsStartWhereTheirKindWasLastUsed()
    {
        Fixture f;
        const QString settingsFile = f.Path("settings.ini");
        std::unique_ptr<ProgramSettings> settings = ProgramSettings::InFile(settingsFile);
        ProgramSettings::Install(settings.get());
        const auto lastStart = [&f] { return f.prompts.Asked().back().start; };

        f.prompts.QueueFile(Sample("opm-readings.bin"));
        f.Run(CommandId::FileOpen, TabOpm);
        QCOMPARE(lastStart(), QString());
        f.prompts.QueueCancel();
        f.Run(CommandId::FileOpen, TabOpm);
        const QString samples = qEnvironmentVariable("KAV_SOURCE_DIR") + "/samples";
        QCOMPARE(lastStart(), samples);
        f.prompts.QueueCancel();
        f.Run(CommandId::FileOpen, TabOrl);
        QCOMPARE(lastStart(), QString());

        QVERIFY(QDir(f.dir.path()).mkdir("exports"));
        f.prompts.QueueFile(f.Path("exports/readings"));
        f.Run(CommandId::FileSave, TabOpm);
        QVERIFY(QFileInfo::exists(f.Path("exports/readings.csv")));
        f.prompts.QueueCancel();
        f.Run(CommandId::FileSaveAsCsv, TabOrl);
        QCOMPARE(lastStart(), f.Path("exports"));
        f.prompts.QueueCancel();
        f.Run(CommandId::FileSaveAs, TabOpm);
        QCOMPARE(lastStart(), QString());

        settings = ProgramSettings::InFile(settingsFile);
        ProgramSettings::Install(settings.get());
        f.prompts.QueueCancel();
        f.Run(CommandId::FileOpen, TabOpm);
        QCOMPARE(lastStart(), samples);
        ProgramSettings::Install(nullptr);
    }
};

QTEST_MAIN(ViewCommandsTest)
#include "ViewCommandsTest.moc"
