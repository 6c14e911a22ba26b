#include "views/InfoDialogs.h"
#include "views/DialogRunner.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <map>
#include <memory>

// The job, cable and system information dialogs: OK and Cancel, their
// limits, the cable ID that travels through hidden, and the keyboard.
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
    };

    static void AnswerWith(Answer& answer)
    {
        SetDialogRunner([&answer](QDialog& dialog) {
            for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
                answer.opened[edit->objectName().mid(4).toInt()] = edit->text();
            static_cast<CInfoDialog&>(dialog).Edit(answer.id)->setText(answer.text);
            return answer.result;
        });
    }

private slots:
    void cleanup() { SetDialogRunner(nullptr); }

    // OK stores what was typed, up to the field's limit, and Cancel keeps
    // the fields; the cable ID travels through the cable dialog unseen and
    // unchanged.
    void okStoresCancelKeepsAndTheCableIdTravelsHidden()
    {
        InfoFields fields;
        fields.Customer = "ACME";
        fields.JobId = "J-1";
        fields.CableId = "CAB-07";
        const QString sixty(60, QChar('x'));
        for (const int result : {QDialog::Rejected, QDialog::Accepted}) {
            Answer answer{1058, sixty, result, {}};
            AnswerWith(answer);
            ShowJobInformation(nullptr, fields);
            QCOMPARE(answer.opened[1060], QString("ACME"));
            QCOMPARE(answer.opened[1057], QString("J-1"));
            QCOMPARE(fields.Reason, result == QDialog::Accepted ? sixty.left(50).toStdString() : "");
            QCOMPARE(fields.Customer, std::string("ACME"));
        }

        CCableInfoDlg dialog;
        dialog.show();
        QVERIFY(!dialog.Edit(1064)->isVisible());
        QLabel* label = dialog.findChild<QLabel*>("labelCableId");
        QVERIFY(label && label->text() == "Cable ID:" && !label->isVisible());
        Answer ok{1048, sixty, QDialog::Accepted, {}};
        AnswerWith(ok);
        ShowCableInformation(nullptr, fields);
        QCOMPARE(ok.opened[1064], QString("CAB-07"));
        QCOMPARE(fields.CableId, std::string("CAB-07"));
        QCOMPARE(fields.LocationB, sixty.left(20).toStdString());
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
            for (QLineEdit* edit : dialog->findChildren<QLineEdit*>())
                if (edit->isVisible())
                    expected.push_back(edit);
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
};

QTEST_MAIN(InfoDialogsTest)
#include "InfoDialogsTest.moc"
