#include "InfoDialogs.h"
#include "DialogRunner.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <map>
#include <memory>

// The job, cable and system information dialogs: their limits, OK and
// Cancel, the cable ID that travels through hidden, and the keyboard.
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

    // Each dialog opens on its first field; Tab reads the fields as they
    // stand on screen, row by row, left to right, then OK, then Cancel; Enter
    // in a field is OK.
    void keyboardFollowsTheFields()
    {
        std::unique_ptr<CInfoDialog> dialogs[] = {std::make_unique<CJobInfoDlg>(),
                                                  std::make_unique<CCableInfoDlg>(),
                                                  std::make_unique<CSystemInfoDlg>()};
        for (const std::unique_ptr<CInfoDialog>& dialog : dialogs) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowActive(dialog.get()));

            std::vector<QWidget*> expected;
            for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
                if (edit->isVisible())
                    expected.push_back(edit);
            }
            std::sort(expected.begin(), expected.end(), [](const QWidget* a, const QWidget* b) {
                const QRect ra = a->geometry(), rb = b->geometry();
                // One row: the same line on screen, whatever the heights.
                if (ra.center().y() / 10 != rb.center().y() / 10)
                    return ra.top() < rb.top();
                return ra.left() < rb.left();
            });
            const auto* buttons = dialog->findChild<QDialogButtonBox*>();
            expected.push_back(buttons->button(QDialogButtonBox::Ok));
            expected.push_back(buttons->button(QDialogButtonBox::Cancel));

            QCOMPARE(QApplication::focusWidget(), expected.front());
            for (size_t i = 1; i <= expected.size(); ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget(), expected[i % expected.size()]);
            }

            QTest::keyClicks(QApplication::focusWidget(), "typed");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(!dialog->isVisible());
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
        }
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
