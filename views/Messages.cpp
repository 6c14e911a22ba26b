#include "views/Messages.h"

#include "platform/AppTitle.h"
#include "platform/ui/Prompts.h"
#include "views/RecordText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
void Warn(QWidget* owner, const QString& text, const QString& detail = QString())
{
    Prompts::Current().Message(owner, text, ApplicationTitle, MessageButtons::Ok, MessageIcon::Warning,
                               detail);
}

void ReportSaveFailure(QWidget* owner, const WriteResult& result)
{
    Warn(owner, QCoreApplication::translate("Messages", "Could not save %1.\n%2")
                    .arg(QDir::toNativeSeparators(FromFileSystemPath(result.path)),
                         QString::fromStdString(result.reason)));
}
} // namespace

QString LoadNoticeText(const LoadNotice& notice)
{
    QString text = QCoreApplication::translate("LoadNotice", notice.pattern);
    for (int value : notice.values)
        text = text.arg(value);
    return text;
}

void ReportLoadOutcome(QWidget* owner, const LoadOutcome& outcome, const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (outcome.result == DecodeResult::Ok) {
        const LoadNotice notice = IncompleteFileNotice(outcome);
        if (!notice.Empty())
            Prompts::Current().Message(owner, LoadNoticeText(notice), ApplicationTitle, MessageButtons::Ok,
                                       MessageIcon::Information, shown);
        return;
    }
    Warn(owner, QCoreApplication::translate("Messages", "File error!"),
         QString("%1: %2").arg(shown, QString::fromStdString(FailureDetail(outcome))));
}

void ReportExportWriteResult(QWidget* owner, const WriteResult& result)
{
    // The usual cause of a file that cannot be opened is the file held open
    // in a spreadsheet; the system's reason tells the other causes (no such
    // folder, no permission) apart. A full disk or a failing one is not
    // helped by closing anything, nor a pipe that no process reads.
    if (result.ok())
        return;
    if (result.status == IoStatus::NoSpace || result.status == IoStatus::Failed ||
        result.status == IoStatus::NoReader)
        ReportSaveFailure(owner, result);
    else
        Warn(nullptr, QCoreApplication::translate("Messages", "Please close the file first!"),
             QString::fromStdString(result.reason));
}

void ReportDocumentWriteResult(QWidget* owner, const WriteResult& result)
{
    if (!result.ok())
        ReportSaveFailure(owner, result);
}

void ReportRefusedEnding(QWidget* owner, OutputKind kind)
{
    const QString ending = QString::fromLatin1(ExtensionOf(kind));
    Warn(owner, QCoreApplication::translate("Messages", "Please end the file name with %1 or %2!")
                    .arg(ending, ending.toUpper()));
}

void ReportLimitFileRefused(QWidget* owner, const QString& path, const QString& reason)
{
    Warn(owner,
         QCoreApplication::translate("Messages", "The limit file %1 was not read.")
             .arg(QDir::toNativeSeparators(path)),
         reason);
}

void ReportLimitsRefused(QWidget* owner, const QString& reason)
{
    Warn(owner, QCoreApplication::translate("Messages", "Please correct the test limits."), reason);
}

void ReportPrintFailure(QWidget* owner)
{
    Warn(owner, QCoreApplication::translate(
                    "Messages", "The printer did not take the report; nothing more was printed."));
}

bool ConfirmReplace(QWidget* owner, const QString& path)
{
    const QString text =
        QCoreApplication::translate("Messages", "%1 already exists.\nDo you want to replace it?")
            .arg(QFileInfo(path).fileName());
    return Prompts::Current().Message(owner, text, ApplicationTitle, MessageButtons::YesNo,
                                      MessageIcon::Warning) == MessageAnswer::Yes;
}

bool ConfirmClearHeader(QWidget* owner)
{
    return Prompts::Current().Message(
               owner,
               QCoreApplication::translate("Messages",
                                           "Clear every field of the report header: job, cable, system and "
                                           "test information?"),
               ApplicationTitle, MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes;
}

bool ConfirmStopAutoTrace(QWidget* owner)
{
    return Prompts::Current().Message(
               owner,
               QCoreApplication::translate("Messages", "This will stop the AutoTrace,Do you continue?"),
               ApplicationTitle, MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes;
}
