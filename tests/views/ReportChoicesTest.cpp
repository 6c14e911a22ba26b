#include "data/HeaderFile.h"
#include "data/NewRecords.h"
#include "tests/report/ReportStores.h"
#include "tests/support/HangLimit.h"
#include "tests/views/ViewTestSupport.h"
#include "views/CInfoDialog.h"
#include "views/COpmListPage.h"
#include "views/CPrintPreview.h"
#include "views/DialogRunner.h"
#include "views/InfoDialogs.h"
#include "views/ReportOptionsDialog.h"
#include "views/Tabs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <sys/stat.h>

// What the user chooses about the reports and types into their header is
// kept: the options dialog, the header across runs, header files.
class ReportChoicesTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        SetDialogRunner(nullptr);
        SetNameEncoding(NameEncoding::Automatic);
    }

    // OK keeps the choices for this run and the next (the report's language
    // among them); a logo that cannot be read is said and the dialog comes
    // back; names read anew are shown anew.
    void reportOptionsAreRemembered()
    {
        ScratchSettings settings;
        ViewFixture f;
        f.store.ReplaceOpmRecords(
            {NewOpmRecord("Kabel-\xDC", "F1", "1310nm", "-5.00dBm", "-3.00dBm", "2026-03-10", "08:00:00")});
        f.view.OpmPage()->FillFromStore(f.store);
        QCOMPARE(f.view.OpmPage()->CellText(0, 1), QString::fromUtf8("Kabel-Ü"));
        WriteFile(f.Path("logo.txt"), "not a picture");
        int runs = 0;
        QString offeredLanguage;
        SetDialogRunner([&](QDialog& dialog) {
            auto& options = static_cast<CReportOptionsDlg&>(dialog);
            if (++runs == 1) {
                options.CompanyEdit()->setText("Acme Fibre Ltd");
                options.LogoEdit()->setText(f.Path("logo.txt"));
                options.SummaryBox()->setChecked(false);
                options.NamesBox()->setCurrentIndex(2); // GB18030
                offeredLanguage = options.LanguageBox()->currentData().toString();
                options.LanguageBox()->setCurrentIndex(options.LanguageBox()->findData("zh_CN"));
            } else {
                options.LogoEdit()->clear();
            }
            return int(QDialog::Accepted);
        });
        QVERIFY(f.view.SelectTab(TabOpm));
        QVERIFY(f.view.OnCommand(CommandId::FileReportOptions));
        QCOMPARE(runs, 2);
        QCOMPARE(offeredLanguage, QString("en"));
        QCOMPARE(f.prompts.MessageTexts(), QStringList{"The logo cannot be used."});
        QCOMPARE(f.view.Options().company, std::string("Acme Fibre Ltd"));
        QVERIFY(!f.view.Options().summaryPage);
        QVERIFY(f.view.Options().footer);
        QCOMPARE(f.view.Options().language, std::string("zh_CN"));
        QCOMPARE(NameEncodingInForce(), NameEncoding::Gb18030);
        // 0xDC alone is no GB18030 character.
        QCOMPARE(f.view.OpmPage()->CellText(0, 1), QString::fromUtf8("Kabel-\uFFFD"));

        SetNameEncoding(NameEncoding::Automatic);
        settings.Reload();
        const ReportOptions remembered = RememberedReportOptions();
        QCOMPARE(remembered.company, std::string("Acme Fibre Ltd"));
        QVERIFY(!remembered.summaryPage && remembered.footer && remembered.logoFile.empty());
        QCOMPARE(remembered.language, std::string("zh_CN"));
        RestoreNameEncoding();
        QCOMPARE(NameEncodingInForce(), NameEncoding::Gb18030);
    }

    // A remembered logo that can no longer be used (a pipe has taken its
    // place) is never waited for: it is dropped, for this run and the next,
    // with a message, and the report is shown without it.
    void aLogoThatCanNoLongerBeUsedIsDropped()
    {
        ScratchSettings settings;
        ViewFixture f;
        AddOpmReadings(f.store, 3);
        QVERIFY(QImage(20, 10, QImage::Format_RGB32).save(f.Path("logo.png")));
        SetDialogRunner([&f](QDialog& dialog) {
            static_cast<CReportOptionsDlg&>(dialog).LogoEdit()->setText(f.Path("logo.png"));
            return int(QDialog::Accepted);
        });
        f.Run(CommandId::FileReportOptions, TabOpm);
        QVERIFY(!f.view.Options().logoFile.empty());
        QVERIFY(QFile::remove(f.Path("logo.png")));
        QCOMPARE(mkfifo(QFile::encodeName(f.Path("logo.png")).constData(), 0600), 0);
        {
            const HangLimit limit(5);
            f.Run(CommandId::FilePrintPreview, TabOpm);
        }
        QCOMPARE(f.prompts.MessageTexts().size(), 1);
        QVERIFY2(f.prompts.MessageTexts().front().contains("logo.png") &&
                     f.prompts.Asked().back().detail.contains("named pipe"),
                 qPrintable(f.prompts.MessageTexts().front() + f.prompts.Asked().back().detail));
        QVERIFY(f.view.Preview());
        QVERIFY(f.view.Options().logoFile.empty());
        settings.Reload();
        QVERIFY(RememberedReportOptions().logoFile.empty());
    }

    // Header files carry all twenty fields, saved with the dialog's edits
    // and loaded into all at once; a bad one changes nothing. (That the job
    // and system information outlive the run is the main window's test.)
    void headerFilesCarryTheTwentyFields()
    {
        ScratchSettings settings; // the dialogs remember what they keep
        ScriptedPrompts prompts;
        QTemporaryDir dir;
        InfoFields fields;
        fields.Customer = "City Net";
        fields.SerialNumberA = "SN 400112";
        fields.LocationA = "Exchange 3";
        const QString saved = dir.filePath("job.kavheader");
        prompts.QueueFile(dir.filePath("job")); // the ending is added
        SetDialogRunner([](QDialog& dialog) {
            auto& info = static_cast<CInfoDialog&>(dialog);
            info.Edit(1057)->setText("J-7");
            info.SaveHeader();
            return int(QDialog::Rejected);
        });
        ShowJobInformation(nullptr, fields);
        QCOMPARE(fields.JobId, std::string()); // cancelled: the fields are as they were
        const HeaderFileResult read = ReadHeaderFile(saved.toStdString());
        QVERIFY(read.fields);
        QCOMPARE(read.fields->JobId, std::string("J-7"));
        QCOMPARE(read.fields->LocationA, std::string("Exchange 3"));

        WriteFile(dir.filePath("other.kavheader"), R"({"Customer": "Harbour", "CableType": "G.652"})");
        WriteFile(dir.filePath("bad.kavheader"), R"({"Customer": "Harbour", "Colour": "red"})");
        prompts.QueueFile(dir.filePath("bad.kavheader"));
        prompts.QueueFile(dir.filePath("other.kavheader"));
        InfoFields afterBad;
        QString shown;
        SetDialogRunner([&](QDialog& dialog) {
            auto& info = static_cast<CInfoDialog&>(dialog);
            dialog.findChild<QPushButton*>("loadHeader")->click();
            afterBad = fields;
            info.LoadHeader();
            shown = info.Edit(1055)->text();
            return int(QDialog::Rejected);
        });
        const InfoFields before = fields;
        ShowSystemInformation(nullptr, fields); // loads all twenty, not only its own
        const auto messages = AskedOf(prompts, ScriptedPrompts::Kind::Message);
        QVERIFY(messages.size() == 1 && messages[0].detail.contains("Colour: "));
        QCOMPARE(afterBad.Customer, before.Customer);
        QCOMPARE(afterBad.SerialNumberA, before.SerialNumberA);
        QCOMPARE(fields.Customer, std::string("Harbour"));
        QCOMPARE(fields.CableType, std::string("G.652"));
        QCOMPARE(fields.SerialNumberA, std::string()); // a field the file leaves out is empty
        QVERIFY(shown.isEmpty());
        QVERIFY(prompts.Unexpected().empty());
    }
};

QTEST_MAIN(ReportChoicesTest)
#include "ReportChoicesTest.moc"
