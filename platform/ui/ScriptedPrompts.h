#pragma once

#include "platform/ui/Prompts.h"

#include <QPageLayout>
#include <QPageSize>
#include <QStringList>
#include <deque>
#include <vector>

// Answers prompts from a script instead of the user, and records every prompt
// it was shown. It installs itself for its lifetime, so a test writes
//     ScriptedPrompts prompts;
//     prompts.QueueFile(path);
//     ...run the command...
//     QCOMPARE(prompts.Asked().size(), 1u);
// A message box with only an OK button is answered OK without a script, and
// a progress dialog runs to its end unless told to cancel. Any other prompt
// with no queued answer, or with an answer of another kind, is cancelled
// (file, folder, print and page setup dialogs) or answered No (Yes/No), and
// listed in Unexpected().
class ScriptedPrompts : public Prompts
{
public:
    enum class Kind
    {
        OpenFile,
        OpenFiles,
        SaveFile,
        AskText,
        AskPassword,
        PickFolder,
        Message,
        PrintDialog,
        PageSetup,
        Progress
    };

    struct Prompt
    {
        Kind kind = Kind::Message;
        QString text;    // message text, the folder picker's title, or the text question's label
        QString caption; // message caption
        QString filter;  // file dialogs: the filter as the program gave it
        bool confirmOverwrite = false;
        MessageButtons buttons = MessageButtons::Ok;
        MessageIcon icon = MessageIcon::None;
        QWidget* owner = nullptr;
        QString detail;               // message detail
        int minPage = 0, maxPage = 0; // print dialog: the pages offered; progress: the steps
        QString start; // file dialogs: the folder or file they opened at; a text question: its offer
        bool overProgress = false; // shown while a progress dialog was still open
    };

    ScriptedPrompts();
    ~ScriptedPrompts() override;
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    void QueueFile(const QString& path);       // the next open or save dialog chooses path
    void QueueFiles(const QStringList& paths); // the next dialog of several files chooses them
    void QueueText(const QString& text);       // the next text or password question is answered so
    void QueueFolder(const QString& folder);   // the next folder picker chooses folder
    void QueueCancel();                        // the next file or folder dialog is cancelled
    void QueueMessage(MessageAnswer answer);   // the next message box is answered so
    // The next print dialog prints to the PDF file `path` (so a test can read
    // what was printed), pages `from` to `to` (0, 0: all).
    void QueuePrintToFile(const QString& path, int from = 0, int to = 0);
    // The next page setup dialog chooses this paper and orientation.
    void QueuePageSetup(const QPageSize& paper, QPageLayout::Orientation orientation);
    // The next progress dialog is cancelled when it reaches `step`.
    void QueueProgressCancel(int step);

    const std::vector<Prompt>& Asked() const { return m_Asked; }
    // The steps every progress dialog was told, in order.
    const std::vector<int>& ProgressSteps() const { return m_ProgressSteps; }
    QStringList MessageTexts() const;
    const std::vector<Prompt>& Unexpected() const { return m_Unexpected; }
    size_t PendingAnswers() const { return m_Answers.size(); }
    void Clear();

    std::optional<QString> OpenFile(QWidget* owner, const QString& filter, const QString& start) override;
    QStringList OpenFiles(QWidget* owner, const QString& filter, const QString& start) override;
    std::optional<QString> SaveFile(QWidget* owner, const QString& filter, bool confirmOverwrite,
                                    const QString& start) override;
    std::optional<QString> PickFolder(QWidget* owner, const QString& title) override;
    std::optional<QString> AskText(QWidget* owner, const QString& label, const QString& caption,
                                   const QString& initial) override;
    std::optional<QString> AskPassword(QWidget* owner, const QString& label, const QString& caption) override;
    MessageAnswer Message(QWidget* owner, const QString& text, const QString& caption, MessageButtons buttons,
                          MessageIcon icon, const QString& detail) override;
    bool PrintDialog(QWidget* owner, QPrinter& printer, int minPage, int maxPage) override;
    bool PageSetup(QWidget* owner, QPrinter& printer,
                   const std::function<void(QWidget*)>& moreOptions = {}) override;
    std::unique_ptr<ProgressPrompt> Progress(QWidget* owner, const QString& text, int maximum) override;

private:
    struct Answer
    {
        enum class For
        {
            Path,
            Paths,
            Text,
            Folder,
            Cancel,
            Message,
            Print,
            PageSetup,
            ProgressCancel
        } kind;
        QString path; // also the text of a Text answer
        MessageAnswer message = MessageAnswer::Ok;
        int from = 0, to = 0; // Print: the pages; ProgressCancel: the step in `from`
        QPageSize paper = QPageSize();
        QPageLayout::Orientation orientation = QPageLayout::Portrait;
        QStringList paths = {}; // Paths
    };
    class ScriptedProgress;

    std::optional<QString> TakePath(const Prompt& prompt, Answer::For wanted);
    // The next answer if it is of the kind `wanted` (or a cancel); the prompt
    // is listed as unexpected otherwise.
    std::optional<Answer> Take(const Prompt& prompt, Answer::For wanted);

    std::deque<Answer> m_Answers;
    std::vector<Prompt> m_Asked;
    std::vector<Prompt> m_Unexpected;
    std::vector<int> m_ProgressSteps;
    int m_OpenProgress = 0; // progress dialogs shown and not yet closed
    Prompts* m_Previous = nullptr;
};
