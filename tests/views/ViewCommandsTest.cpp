#include "data/NewRecords.h"
#include "grid/GridCtrl.h"
#include "tests/support/HangLimit.h"
#include "tests/views/ViewTestSupport.h"
#include "trace/CTracePage.h"
#include "views/CKavGridPage.h"
#include "views/COpmListPage.h"
#include "views/ReportListView.h"
#include "views/Tabs.h"

#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

#include <cerrno>
#include <cstring>

// The view's file commands run through the dialogs' script: opening the
// instrument's files and the program's documents, CSV exports and document
// saves, and the folders the dialogs start in.
class ViewCommandsTest : public QObject
{
    Q_OBJECT

private:
    // Every row the tab's list or table shows, as copied to the clipboard.
    static QString Shown(const CKAVView& view, int tab)
    {
        if (tab == TabKav) {
            view.KavPage()->Grid()->SelectAllCells();
            return view.KavPage()->Grid()->CopyText();
        }
        ReportListView* list = static_cast<CReportListPage*>(view.PageOfTab(tab))->List();
        list->selectAll();
        return list->SelectedRowsText();
    }

private slots:
    // Each sample opens on its tab under any name, the program's document
    // endings included, and saves, as a document and as CSV, the bytes
    // kav-convert writes for it; the rows shown as it is decoded, after a
    // tab change, and from the saved document are the same. A file of
    // another kind opens on its own tab; a cancel says nothing, a missing
    // file says "File error!" with its name, and neither changes what is
    // shown.
    void samplesOpenOnTheirTabAndSaveTheConvertersOutputs()
    {
        const struct
        {
            const char* stem;
            int tab;
            const char* ending;
            const char* otherKind;
            int otherTab;
        } samples[] = {{"opm-readings", TabOpm, ".opm", "kav-two-wavelengths.bin", TabKav},
                       {"orl-readings", TabOrl, ".orl", "opm-readings.bin", TabOpm},
                       {"kav-three-wavelengths", TabKav, ".kav", "orl-readings.bin", TabOrl},
                       {"kav-two-wavelengths", TabKav, ".kav", "trace-1550nm.bin", TabTrace}};
        for (const auto& sample : samples) {
            ViewFixture f;
            const QString golden = SourcePath("tests/cli/golden/") + sample.stem;
            const QString named = f.Path(QString("x") + sample.ending);
            QVERIFY(QFile::copy(SamplePath(QString(sample.stem) + ".bin"), named));
            f.Open(sample.tab, named);
            const QString shown = Shown(f.view, sample.tab);
            QVERIFY(shown.count('\n') > 2);
            QVERIFY(f.view.SelectTab(TabTrace));
            QVERIFY(f.view.SelectTab(sample.tab));
            QCOMPARE(Shown(f.view, sample.tab), shown);

            f.prompts.QueueFile(f.Path("saved"));
            f.Run(CommandId::FileSaveAs, sample.tab);
            f.prompts.QueueFile(f.Path("saved"));
            f.Run(CommandId::FileSave, sample.tab);
            for (const QString& ending : {QString(sample.ending), QString(".csv")}) {
                QVERIFY(!ReadFile(golden + ending).isEmpty());
                QCOMPARE(ReadFile(f.Path("saved" + ending)), ReadFile(golden + ending));
            }
            QCOMPARE(f.view.SavedFileOfTab(sample.tab), f.Path("saved.csv"));
            // Emptied before, the tab shows the document as it opens it.
            f.store.ReplaceOpmRecords({});
            f.store.ReplaceOrlRecords({});
            f.store.ClearLossTests(CDataStore::KavModeNone);
            QVERIFY(f.view.SelectTab(TabTrace));
            f.Open(sample.tab, f.Path("saved" + QString(sample.ending)));
            QVERIFY(f.prompts.MessageTexts().isEmpty());
            QCOMPARE(Shown(f.view, sample.tab), shown);

            f.Open(sample.tab, SamplePath(sample.otherKind));
            QVERIFY(f.prompts.MessageTexts().isEmpty());
            QCOMPARE(f.view.SelectedTab(), sample.otherTab);
            QCOMPARE(f.view.FileOfTab(sample.otherTab), SamplePath(sample.otherKind));
            f.prompts.QueueCancel();
            f.Run(CommandId::FileOpen, sample.tab);
            QVERIFY(f.prompts.MessageTexts().isEmpty());
            f.Open(sample.tab, f.Path("missing.bin"));
            QCOMPARE(f.prompts.MessageTexts(), QStringList({"File error!"}));
            const QString detail = f.prompts.Asked().back().detail;
            QVERIFY2(detail.startsWith(QDir::toNativeSeparators(f.Path("missing.bin")) + ": cannot be read"),
                     qPrintable(detail));
            QCOMPARE(Shown(f.view, sample.tab), shown);
        }
    }

    // The TRACE tab shows recorded traces and saves them as kav-convert
    // does, and shows the saved document again; a refused file (its reason
    // told) or a cancelled dialog leaves the page and the store as they were.
    void theTraceTabShowsRecordedTracesAndTheirDocuments()
    {
        ViewFixture f;
        const auto text = [&f](int id) {
            return f.view.TracePage()->findChild<QLineEdit*>(QString("control%1").arg(id))->text();
        };
        const auto texts = [&f] {
            QStringList all;
            for (const QLineEdit* edit : f.view.TracePage()->findChildren<QLineEdit*>())
                all << edit->text();
            return all;
        };
        f.Open(TabTrace, SamplePath("trace-1550nm.bin"));
        QCOMPARE(text(1017), QString("600"));
        const std::vector<float> values = f.store.GetTraceValues();
        f.prompts.QueueFile(f.Path("saved"));
        f.Run(CommandId::FileSaveAs, TabTrace);
        QCOMPARE(ReadFile(f.Path("saved.trace")),
                 ReadFile(SourcePath("tests/cli/golden/trace-1550nm.trace")));

        f.store.ReplaceTraceValues({});
        f.Open(TabTrace, f.Path("saved.trace"));
        QCOMPARE(f.store.GetTraceValues(), values);
        QCOMPARE(text(1017), QString("600"));
        QCOMPARE(f.view.TracePage()->TraceFilePath(), f.Path("saved.trace"));
        QVERIFY(f.prompts.MessageTexts().isEmpty());
        const QStringList shown = texts();

        f.Open(TabTrace, SamplePath("README.md"));
        f.prompts.QueueCancel();
        f.Run(CommandId::FileOpen, TabTrace);
        QCOMPARE(f.prompts.MessageTexts(), QStringList({"File error!"}));
        const QString detail = AskedOf(f.prompts, ScriptedPrompts::Kind::Message).front().detail;
        QVERIFY2(detail.endsWith("README.md: not an instrument result file or a document of this program "
                                 "(unknown signature)"),
                 qPrintable(detail));
        QCOMPARE(f.view.SelectedTab(), int(TabTrace));
        QCOMPARE(texts(), shown);
        QCOMPARE(f.store.GetTraceValues(), values);
        QCOMPARE(f.view.TracePage()->TraceFilePath(), f.Path("saved.trace"));
    }

    // A refused ending is told and the dialog comes back with the name as
    // typed, until an accepted name or a cancel; a name that has its ending
    // added asks before replacing a file of the full name.
    void saveDialogsKeepToTheNamingRule()
    {
        ViewFixture f;
        f.store.ReplaceOrlRecords({NewOrlRecord("R1", "F9", "1550nm", "45.32dB", "2017-06-15", "14:05:09")});
        // Which names are refused is the naming rule's own test.
        f.prompts.QueueFile(f.Path("mixed.Csv"));
        f.prompts.QueueFile(f.Path("upper.CSV"));
        f.Run(CommandId::FileSave, TabOrl);
        QCOMPARE(f.prompts.MessageTexts(), QStringList({"Please end the file name with .csv or .CSV!"}));
        const auto dialogs = AskedOf(f.prompts, ScriptedPrompts::Kind::SaveFile);
        QCOMPARE(dialogs.size(), size_t(2));
        QCOMPARE(dialogs[1].start, f.Path("mixed.Csv"));

        f.prompts.Clear();
        f.prompts.QueueFile(f.Path("other.Orl"));
        f.prompts.QueueCancel();
        f.Run(CommandId::FileSaveAs, TabOrl);
        QCOMPARE(f.prompts.MessageTexts(), QStringList({"Please end the file name with .orl or .ORL!"}));
        QCOMPARE(f.prompts.PendingAnswers(), size_t(0));
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files),
                 QStringList({"upper.CSV"})); // nothing refused written

        // No to replacing brings the dialog back with the name as typed.
        WriteFile(f.Path("log.orl"), "earlier");
        for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
            f.prompts.Clear();
            f.prompts.QueueFile(f.Path("log"));
            f.prompts.QueueMessage(answer);
            if (answer == MessageAnswer::No)
                f.prompts.QueueCancel();
            f.Run(CommandId::FileSaveAs, TabOrl);
            QVERIFY(f.prompts.Asked().front().confirmOverwrite);
            QCOMPARE(f.prompts.MessageTexts().size(), 1);
            const auto saveDialogs = AskedOf(f.prompts, ScriptedPrompts::Kind::SaveFile);
            QCOMPARE(saveDialogs.size(), size_t(answer == MessageAnswer::No ? 2 : 1));
            QVERIFY(answer == MessageAnswer::Yes || saveDialogs.back().start == f.Path("log"));
            QCOMPARE(ReadFile(f.Path("log.orl")) == "earlier", answer == MessageAnswer::No);
            QVERIFY(f.prompts.Unexpected().empty());
        }
    }

    void unwritableTargetsAreReported()
    {
        ViewFixture f;
        f.store.ReplaceOpmRecords(
            {NewOpmRecord("C1", "F1", "1310nm", "-1.00dBm", "-2.00dBm", "2017-06-15", "14:05:09")});
        // A folder where the file should go cannot be opened for writing, not
        // even by an administrator; a missing folder is not an open file, and
        // the detail says so. A workbook is told as a CSV is.
        const struct
        {
            CommandId save;
            const char* name;
            QString why;
        } targets[] = {
            {CommandId::FileSave, "taken.csv", "a folder"},
            {CommandId::FileSave, "no-such-folder/report.csv", QString::fromLocal8Bit(std::strerror(ENOENT))},
            {CommandId::FileSaveAsExcel, "taken.xlsx", "a folder"}};
        for (const char* folder : {"taken.csv", "taken.xlsx"})
            QVERIFY(QDir(f.dir.path()).mkdir(folder));
        for (const auto& target : targets) {
            f.prompts.Clear();
            f.prompts.QueueFile(f.Path(target.name));
            f.Run(target.save, TabOpm);
            QCOMPARE(f.prompts.MessageTexts(), QStringList({"Please close the file first!"}));
            QCOMPARE(f.prompts.Asked().back().owner, static_cast<QWidget*>(nullptr));
            const QString detail = f.prompts.Asked().back().detail;
            QVERIFY2(detail.contains(target.why), qPrintable(detail));
        }

        f.prompts.Clear();
        QVERIFY(QDir(f.dir.path()).mkdir("taken.opm"));
        f.prompts.QueueFile(f.Path("taken.opm"));
        f.Run(CommandId::FileSaveAs, TabOpm);
        QCOMPARE(f.prompts.MessageTexts().size(), 1);
        QVERIFY(f.prompts.MessageTexts().front().contains(QDir::toNativeSeparators(f.Path("taken.opm"))));
        QCOMPARE(f.view.SavedFileOfTab(TabOpm), QString()); // none was written
    }

    // A named pipe is refused at once, however it is opened, with its name
    // and why; reading it would wait for a writer forever.
    void aNamedPipeIsRefusedWithoutWaiting()
    {
        ViewFixture f;
        f.Open(TabOpm, SamplePath("opm-readings.bin"));
        const QString rows = Shown(f.view, TabOpm);
        const QString pipe = f.Path("readings.bin");
        QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);

        f.prompts.Clear();
        f.Open(TabOpm, pipe);
        QVERIFY(!f.view.OpenRecognizedFile(pipe));
        QCOMPARE(f.prompts.MessageTexts(), QStringList({"File error!", "File error!"}));
        for (const auto& message : AskedOf(f.prompts, ScriptedPrompts::Kind::Message)) {
            QVERIFY2(message.detail.startsWith(QDir::toNativeSeparators(pipe) + ": "),
                     qPrintable(message.detail));
            QVERIFY2(message.detail.contains("named pipe"), qPrintable(message.detail));
        }
        QCOMPARE(Shown(f.view, TabOpm), rows);

        // Nor does a save wait for a reader: CSV, document and PDF each say
        // at once that the pipe was not written and that no process reads
        // it, with no progress window left open above the message.
        for (const CommandId save : {CommandId::FileSave, CommandId::FileSaveAs, CommandId::FileExportPdf}) {
            const QString target = f.Path(save == CommandId::FileSave     ? "readings.csv"
                                          : save == CommandId::FileSaveAs ? "readings.opm"
                                                                          : "readings.pdf");
            QVERIFY(mkfifo(QFile::encodeName(target).constData(), 0600) == 0);
            f.prompts.Clear();
            f.prompts.QueueFile(target);
            {
                const HangLimit limit(5);
                f.Run(save, TabOpm);
            }
            const ScriptedPrompts::Prompt said = f.prompts.Asked().back();
            QCOMPARE(said.kind, ScriptedPrompts::Kind::Message);
            QVERIFY2(said.text.contains(QDir::toNativeSeparators(target)) &&
                         (said.text + said.detail).contains("no process reads"),
                     qPrintable(said.text + said.detail));
            QVERIFY(!said.overProgress);
            QVERIFY(QFileInfo(target).isFile() == false);
        }
    }

    // Each kind of file dialog opens where a file of its kind was last
    // chosen, also after a restart.
    void fileDialogsStartWhereTheirKindWasLastUsed()
    {
        ViewFixture f;
        ScratchSettings settings;
        const auto lastStart = [&f] { return f.prompts.Asked().back().start; };

        f.Open(TabOpm, SamplePath("opm-readings.bin"));
        QCOMPARE(lastStart(), QString());
        f.prompts.QueueCancel();
        f.Run(CommandId::FileOpen, TabOpm);
        const QString samples = SourcePath("samples");
        QCOMPARE(lastStart(), samples);
        f.prompts.QueueCancel();
        f.Run(CommandId::FileOpen, TabOrl);
        QCOMPARE(lastStart(), QString());

        QVERIFY(QDir(f.dir.path()).mkdir("exports"));
        f.prompts.QueueFile(f.Path("exports/readings"));
        f.Run(CommandId::FileSave, TabOpm);
        QVERIFY(QFileInfo::exists(f.Path("exports/readings.csv")));
        f.Open(TabOrl, SamplePath("orl-readings.bin")); // an empty table has nothing to save
        f.prompts.QueueCancel();
        f.Run(CommandId::FileSaveAsCsv, TabOrl);
        QCOMPARE(lastStart(), f.Path("exports"));
        f.prompts.QueueCancel();
        f.Run(CommandId::FileSaveAs, TabOpm);
        QCOMPARE(lastStart(), QString());

        settings.Reload();
        f.prompts.QueueCancel();
        f.Run(CommandId::FileOpen, TabOpm);
        QCOMPARE(lastStart(), samples);
    }
};

QTEST_MAIN(ViewCommandsTest)
#include "ViewCommandsTest.moc"
