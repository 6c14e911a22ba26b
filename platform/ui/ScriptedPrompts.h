#pragma once

#include "Prompts.h"

#include <QStringList>
#include <deque>
#include <vector>

// Answers prompts from a script instead of the user, and records every prompt
// it was shown. It installs itself for its lifetime, so a test writes
//     ScriptedPrompts prompts;
//     prompts.QueueFile(path);
//     ...run the command...
//     QCOMPARE(prompts.Asked().size(), 1u);
// A message box with only an OK button is answered OK without a script. Any
// other prompt with no queued answer, or with an answer of another kind, is
// cancelled (file and folder prompts) or answered No (Yes/No), and listed in
// Unexpected().
class ScriptedPrompts : public Prompts
{
public:
    enum class Kind
    {
        OpenFile,
        SaveFile,
        PickFolder,
        Message
    };

    struct Prompt
    {
        Kind kind;
        QString text;    // message text, or the folder picker's title
        QString caption; // message caption
        QString filter;  // file dialogs: the filter as the program gave it
        bool confirmOverwrite = false;
        MessageButtons buttons = MessageButtons::Ok;
        MessageIcon icon = MessageIcon::None;
        QWidget* owner = nullptr;
        QString detail; // message detail
        QString start;  // file dialogs: the folder or file they opened at
    };

    ScriptedPrompts();
    ~ScriptedPrompts() override;
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    void QueueFile(const QString& path);     // the next open or save dialog chooses path
    void QueueFolder(const QString& folder); // the next folder picker chooses folder
    void QueueCancel();                      // the next file or folder dialog is cancelled
    void QueueMessage(MessageAnswer answer); // the next message box is answered so

    const std::vector<Prompt>& Asked() const { return m_Asked; }
    QStringList MessageTexts() const;
    const std::vector<Prompt>& Unexpected() const { return m_Unexpected; }
    size_t PendingAnswers() const { return m_Answers.size(); }
    void Clear();

    std::optional<QString> OpenFile(QWidget* owner, const QString& filter, const QString& start) override;
    std::optional<QString> SaveFile(QWidget* owner, const QString& filter, bool confirmOverwrite,
                                    const QString& start) override;
    std::optional<QString> PickFolder(QWidget* owner, const QString& title) override;
    MessageAnswer Message(QWidget* owner, const QString& text, const QString& caption, MessageButtons buttons,
                          MessageIcon icon, const QString& detail) override;

private:
    struct Answer
    {
        enum class For
        {
            Path,
            Folder,
            Cancel,
            Message
        } kind;
        QString path;
        MessageAnswer message = MessageAnswer::Ok;
    };

    std::optional<QString> TakePath(const Prompt& prompt, Answer::For wanted);

    std::deque<Answer> m_Answers;
    std::vector<Prompt> m_Asked;
    std::vector<Prompt> m_Unexpected;
    Prompts* m_Previous = nullptr;
};
