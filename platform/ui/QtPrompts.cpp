#include "QtPrompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {
std::optional<QString> Chosen(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

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
