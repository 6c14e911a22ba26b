#include "platform/ui/QtPrompts.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>

namespace {
std::optional<QString> Chosen(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

class QtProgress : public ProgressPrompt
{
public:
    QtProgress(QWidget* owner, const QString& text, int maximum)
        : m_Dialog(text, QCoreApplication::translate("QtPrompts", "Cancel"), 0, maximum, owner)
    {
        m_Dialog.setWindowModality(Qt::WindowModal);
        m_Dialog.setMinimumDuration(500);
        m_Dialog.setAutoClose(false);
        m_Dialog.setAutoReset(false);
    }

    bool Advance(int done) override
    {
        // A window-modal progress dialog takes the user's input as it is told
        // of each step, so Cancel is seen between two pages.
        m_Dialog.setValue(done);
        return !m_Dialog.wasCanceled();
    }

private:
    QProgressDialog m_Dialog;
};

QMessageBox::Icon ToQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

std::optional<QString> QtPrompts::OpenFile(QWidget* owner, const QString& filter, const QString& start)
{
    return Chosen(QFileDialog::getOpenFileName(owner, QString(), start, QtFilterFromPairs(filter)));
}

std::optional<QString> QtPrompts::SaveFile(QWidget* owner, const QString& filter, bool confirmOverwrite,
                                           const QString& start)
{
    const QFileDialog::Options options =
        confirmOverwrite ? QFileDialog::Options() : QFileDialog::Options(QFileDialog::DontConfirmOverwrite);
    return Chosen(
        QFileDialog::getSaveFileName(owner, QString(), start, QtFilterFromPairs(filter), nullptr, options));
}

QStringList QtPrompts::OpenFiles(QWidget* owner, const QString& filter, const QString& start)
{
    return QFileDialog::getOpenFileNames(owner, QString(), start, QtFilterFromPairs(filter));
}

std::optional<QString> QtPrompts::AskText(QWidget* owner, const QString& label, const QString& caption,
                                          const QString& initial)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(owner, caption, label, QLineEdit::Normal, initial, &accepted);
    return accepted ? std::optional<QString>(text) : std::nullopt;
}

std::optional<QString> QtPrompts::AskPassword(QWidget* owner, const QString& label, const QString& caption)
{
    bool accepted = false;
    const QString text =
        QInputDialog::getText(owner, caption, label, QLineEdit::Password, QString(), &accepted);
    return accepted ? std::optional<QString>(text) : std::nullopt;
}

std::optional<QString> QtPrompts::PickFolder(QWidget* owner, const QString& title)
{
    return Chosen(QFileDialog::getExistingDirectory(owner, title, QString()));
}

MessageAnswer QtPrompts::Message(QWidget* owner, const QString& text, const QString& caption,
                                 MessageButtons buttons, MessageIcon icon, const QString& detail)
{
    QMessageBox box(ToQt(icon), caption, text,
                    buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    owner);
    box.setInformativeText(detail);
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

bool QtPrompts::PrintDialog(QWidget* owner, QPrinter& printer, int minPage, int maxPage)
{
    QPrintDialog dialog(&printer, owner);
    if (maxPage > 0) {
        dialog.setMinMax(minPage, maxPage);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    } else {
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    }
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrompts::PageSetup(QWidget* owner, QPrinter& printer, const std::function<void(QWidget*)>& moreOptions)
{
    QPageSetupDialog dialog(&printer, owner);
    // The system's own page setup dialog has no buttons to add to.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>(); buttons && moreOptions) {
        QPushButton* more = buttons->addButton(QCoreApplication::translate("QtPrompts", "Report Options..."),
                                               QDialogButtonBox::ActionRole);
        more->setAutoDefault(false);
        QObject::connect(more, &QPushButton::clicked, &dialog,
                         [&dialog, &moreOptions] { moreOptions(&dialog); });
    }
    return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<ProgressPrompt> QtPrompts::Progress(QWidget* owner, const QString& text, int maximum)
{
    return std::make_unique<QtProgress>(owner, text, maximum);
}
