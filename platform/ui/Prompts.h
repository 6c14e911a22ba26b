#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

// Every question the program asks the user goes through here, so widgets never
// open QMessageBox or QFileDialog themselves and tests can answer by script.
enum class MessageButtons
{
    Ok,
    YesNo
};
enum class MessageIcon
{
    None,
    Information,
    Warning,
    Error,
    Question
};
enum class MessageAnswer
{
    Ok,
    Yes,
    No
};

// A progress dialog with a Cancel button, shown for as long as it lives.
class ProgressPrompt
{
public:
    virtual ~ProgressPrompt() = default;
    // Shows `done` steps of the maximum; false once the user has cancelled.
    virtual bool Advance(int done) = 0;
    // For a prompt of 100 steps: work counted in more steps than a bar
    // holds, shown in percent.
    bool AdvancePercent(size_t done, size_t total)
    {
        return Advance(total == 0 ? 100 : static_cast<int>(done * 100 / total));
    }
};

class Prompts
{
public:
    virtual ~Prompts() = default;

    // Filters are given in the program's own form, pairs of description and
    // pattern separated by '|', ended by "||" ("Open Files (*.bin)|*.bin|...||").
    // A file dialog opens in `start`, a folder; a save dialog's start may also
    // be a file path, whose name it then proposes.
    virtual std::optional<QString> OpenFile(QWidget* owner, const QString& filter, const QString& start) = 0;
    // Several files chosen at once; empty when the user cancelled.
    virtual QStringList OpenFiles(QWidget* owner, const QString& filter, const QString& start) = 0;
    virtual std::optional<QString> SaveFile(QWidget* owner, const QString& filter, bool confirmOverwrite,
                                            const QString& start) = 0;
    virtual std::optional<QString> PickFolder(QWidget* owner, const QString& title) = 0;
    // One line of text, such as a new name, offered as `initial`; nothing
    // when the user cancelled.
    virtual std::optional<QString> AskText(QWidget* owner, const QString& label, const QString& caption,
                                           const QString& initial) = 0;
    // A password, typed unseen; nothing when the user cancelled. The caller
    // hands it on and keeps it nowhere.
    virtual std::optional<QString> AskPassword(QWidget* owner, const QString& label,
                                               const QString& caption) = 0;
    // detail, when given, says why under the text.
    virtual MessageAnswer Message(QWidget* owner, const QString& text, const QString& caption,
                                  MessageButtons buttons, MessageIcon icon,
                                  const QString& detail = QString()) = 0;

    // The print dialog on `printer`, offering the pages minPage to maxPage
    // (both 0: no choice of pages). True when the user chose to print; the
    // printer then holds what was chosen (printer, copies, pages).
    virtual bool PrintDialog(QWidget* owner, QPrinter& printer, int minPage, int maxPage) = 0;
    // The page setup dialog: the paper and orientation of `printer`.
    // `moreOptions`, when given, is offered as a "Report Options..." button
    // that opens the program's own options over the dialog.
    virtual bool PageSetup(QWidget* owner, QPrinter& printer,
                           const std::function<void(QWidget*)>& moreOptions = {}) = 0;
    // Progress through `maximum` steps of a long task.
    virtual std::unique_ptr<ProgressPrompt> Progress(QWidget* owner, const QString& text, int maximum) = 0;

    // The prompts in force for the process: the Qt dialogs unless a test or a
    // headless run installed others. Install(nullptr) brings back the dialogs.
    static Prompts& Current();
    static void Install(Prompts* prompts);
};

// "Open Files (*.bin)|*.bin|All Files (*)|*||" -> "Open Files (*.bin);;All Files (*)"
QString QtFilterFromPairs(const QString& pairs);
