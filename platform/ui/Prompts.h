#pragma once

#include <QString>
#include <optional>

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

class Prompts
{
public:
    virtual ~Prompts() = default;

    // Filters are given in the program's own form, pairs of description and
    // pattern separated by '|', ended by "||" ("Open Files (*.bin)|*.bin|...||").
    // A file dialog opens in `start`, a folder; a save dialog's start may also
    // be a file path, whose name it then proposes.
    virtual std::optional<QString> OpenFile(QWidget* owner, const QString& filter, const QString& start) = 0;
    virtual std::optional<QString> SaveFile(QWidget* owner, const QString& filter, bool confirmOverwrite,
                                            const QString& start) = 0;
    virtual std::optional<QString> PickFolder(QWidget* owner, const QString& title) = 0;
    // detail, when given, says why under the text.
    virtual MessageAnswer Message(QWidget* owner, const QString& text, const QString& caption,
                                  MessageButtons buttons, MessageIcon icon,
                                  const QString& detail = QString()) = 0;

    // The prompts in force for the process: the Qt dialogs unless a test or a
    // headless run installed others. Install(nullptr) brings back the dialogs.
    static Prompts& Current();
    static void Install(Prompts* prompts);
};

// "Open Files (*.bin)|*.bin|All Files(*.*)|*.*||" -> "Open Files (*.bin);;All Files(*.*)"
QString QtFilterFromPairs(const QString& pairs);
