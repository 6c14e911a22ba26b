#include "InfoDialogs.h"
#include "DialogRunner.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <map>

// The job, cable and system information dialogs: their limits, OK and
// Cancel, and the cable ID that travels through hidden.
class InfoDialogsTest : public QObject
{
    Q_OBJECT

private:
    // Runs the next dialog by setting edit `id` to `text` and pressing OK or
    // Cancel; records the texts the dialog opened with.
    struct Answer
    {
        int id;
        QString text;
        int result;
        std::map<int, QString> opened;
        int runs = 0;
    };

    static void AnswerWith(Answer& answer)
    {
        SetDialogRunner([&answer](QDialog& dialog) {
            ++answer.runs;
            for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
                answer.opened[edit->objectName().mid(4).toInt()] = edit->text();
            auto& info = static_cast<CInfoDialog&>(dialog);
            info.Edit(answer.id)->setText(answer.text);
            return answer.result;
        });
    }

    // Every edit of a dialog with its limit, by control id.
    static std::map<int, int> Limits(const CInfoDialog& dialog)
    {
        std::map<int, int> limits;
        for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
            limits[edit->objectName().mid(4).toInt()] = edit->maxLength();
        return limits;
    }

private slots:
    void cleanup() { SetDialogRunner(nullptr); }

    void captionsAndLimits()
    {
        const CJobInfoDlg job;
        QCOMPARE(job.windowTitle(), QString("Job Information"));
        QCOMPARE(Limits(job), (std::map<int, int>{{1057, 20},
                                                  {1063, 20},
                                                  {1058, 50},
                                                  {1059, 20},
                                                  {1062, 20},
                                                  {1060, 20},
                                                  {1051, 20},
                                                  {1061, 20},
                                                  {1052, 20}}));
        const CCableInfoDlg cable;
        QCOMPARE(cable.windowTitle(), QString("Cable Information"));
        QCOMPARE(Limits(cable),
                 (std::map<int, int>{
                     {1017, 20}, {1048, 20}, {1046, 20}, {1049, 20}, {1047, 20}, {1050, 20}, {1064, 50}}));
        const CSystemInfoDlg system;
        QCOMPARE(system.windowTitle(), QString("System Information"));
        QCOMPARE(Limits(system), (std::map<int, int>{{1053, 20}, {1054, 20}, {1055, 20}, {1056, 20}}));
    }

    void typingStopsAtTheLimit()
    {
        CJobInfoDlg job;
        job.show();
        const QString sixty(60, QChar('x'));
        QTest::keyClicks(job.Edit(1058), sixty);
        QTest::keyClicks(job.Edit(1060), sixty);
        QCOMPARE(job.Edit(1058)->text(), sixty.left(50));
        QCOMPARE(job.Edit(1060)->text(), sixty.left(20));
    }

    void okStoresAndCancelKeeps()
    {
        InfoFields fields;
        fields.Customer = "ACME";
        fields.JobId = "J-1";

        Answer cancel{1060, "Other", QDialog::Rejected, {}};
        AnswerWith(cancel);
        ShowJobInformation(nullptr, fields);
        QCOMPARE(cancel.runs, 1);
        QCOMPARE(cancel.opened[1060], QString("ACME"));
        QCOMPARE(cancel.opened[1057], QString("J-1"));
        QCOMPARE(fields.Customer, std::string("ACME"));

        Answer ok{1060, "Other", QDialog::Accepted, {}};
        AnswerWith(ok);
        ShowJobInformation(nullptr, fields);
        QCOMPARE(fields.Customer, std::string("Other"));
        QCOMPARE(fields.JobId, std::string("J-1"));
    }

    void cableIdTravelsHidden()
    {
        CCableInfoDlg dialog;
        dialog.show();
        QVERIFY(!dialog.Edit(1064)->isVisible());
        QLabel* label = dialog.findChild<QLabel*>("labelCableId");
        QVERIFY(label && label->text() == "Cable ID:" && !label->isVisible());
        QVERIFY(dialog.Edit(1017)->isVisible());

        InfoFields fields;
        fields.CableId = "CAB-07";
        Answer ok{1048, "Far end", QDialog::Accepted, {}};
        AnswerWith(ok);
        ShowCableInformation(nullptr, fields);
        QCOMPARE(ok.opened[1064], QString("CAB-07"));
        QCOMPARE(fields.CableId, std::string("CAB-07"));
        QCOMPARE(fields.LocationB, std::string("Far end"));
    }
};

QTEST_MAIN(InfoDialogsTest)
#include "InfoDialogsTest.moc"
