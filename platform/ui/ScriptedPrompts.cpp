#include "platform/ui/ScriptedPrompts.h"

#include <QPrinter>

namespace {
Prompts* g_current = nullptr; // the scripted prompts in force, to restore nesting

ScriptedPrompts::Prompt NewPrompt(ScriptedPrompts::Kind kind, QWidget* owner)
{
    ScriptedPrompts::Prompt prompt;
    prompt.kind = kind;
    prompt.owner = owner;
    return prompt;
}
} // namespace

ScriptedPrompts::ScriptedPrompts() : m_Previous(g_current)
{
    g_current = this;
    Prompts::Install(this);
}

ScriptedPrompts::~ScriptedPrompts()
{
    g_current = m_Previous;
    Prompts::Install(m_Previous);
}

void ScriptedPrompts::QueueFile(const QString& path)
{
    m_Answers.push_back({Answer::For::Path, path});
}

void ScriptedPrompts::QueueFiles(const QStringList& paths)
{
    Answer answer{Answer::For::Paths, QString()};
    answer.paths = paths;
    m_Answers.push_back(answer);
}

void ScriptedPrompts::QueueText(const QString& text)
{
    m_Answers.push_back({Answer::For::Text, text});
}

void ScriptedPrompts::QueueFolder(const QString& folder)
{
    m_Answers.push_back({Answer::For::Folder, folder});
}

void ScriptedPrompts::QueueCancel()
{
    m_Answers.push_back({Answer::For::Cancel, QString()});
}

void ScriptedPrompts::QueueMessage(MessageAnswer answer)
{
    m_Answers.push_back({Answer::For::Message, QString(), answer});
}

void ScriptedPrompts::QueuePrintToFile(const QString& path, int from, int to)
{
    Answer answer{Answer::For::Print, path};
    answer.from = from;
    answer.to = to;
    m_Answers.push_back(answer);
}

void ScriptedPrompts::QueuePageSetup(const QPageSize& paper, QPageLayout::Orientation orientation)
{
    Answer answer{Answer::For::PageSetup, QString()};
    answer.paper = paper;
    answer.orientation = orientation;
    m_Answers.push_back(answer);
}

void ScriptedPrompts::QueueProgressCancel(int step)
{
    Answer answer{Answer::For::ProgressCancel, QString()};
    answer.from = step;
    m_Answers.push_back(answer);
}

QStringList ScriptedPrompts::MessageTexts() const
{
    QStringList texts;
    for (const Prompt& prompt : m_Asked)
        if (prompt.kind == Kind::Message)
            texts << prompt.text;
    return texts;
}

void ScriptedPrompts::Clear()
{
    m_Answers.clear();
    m_Asked.clear();
    m_Unexpected.clear();
    m_ProgressSteps.clear();
}

std::optional<ScriptedPrompts::Answer> ScriptedPrompts::Take(const Prompt& prompt, Answer::For wanted)
{
    m_Asked.push_back(prompt);
    if (m_Answers.empty() ||
        (m_Answers.front().kind != wanted && m_Answers.front().kind != Answer::For::Cancel)) {
        m_Unexpected.push_back(prompt);
        return std::nullopt;
    }
    const Answer answer = m_Answers.front();
    m_Answers.pop_front();
    if (answer.kind == Answer::For::Cancel)
        return std::nullopt;
    return answer;
}

std::optional<QString> ScriptedPrompts::TakePath(const Prompt& prompt, Answer::For wanted)
{
    const std::optional<Answer> answer = Take(prompt, wanted);
    return answer ? std::optional<QString>(answer->path) : std::nullopt;
}

std::optional<QString> ScriptedPrompts::OpenFile(QWidget* owner, const QString& filter, const QString& start)
{
    Prompt prompt = NewPrompt(Kind::OpenFile, owner);
    prompt.filter = filter;
    prompt.start = start;
    return TakePath(prompt, Answer::For::Path);
}

QStringList ScriptedPrompts::OpenFiles(QWidget* owner, const QString& filter, const QString& start)
{
    Prompt prompt = NewPrompt(Kind::OpenFiles, owner);
    prompt.filter = filter;
    prompt.start = start;
    const std::optional<Answer> answer = Take(prompt, Answer::For::Paths);
    return answer ? answer->paths : QStringList();
}

std::optional<QString> ScriptedPrompts::AskText(QWidget* owner, const QString& label, const QString& caption,
                                                const QString& initial)
{
    Prompt prompt = NewPrompt(Kind::AskText, owner);
    prompt.text = label;
    prompt.caption = caption;
    prompt.start = initial;
    return TakePath(prompt, Answer::For::Text);
}

std::optional<QString> ScriptedPrompts::AskPassword(QWidget* owner, const QString& label,
                                                    const QString& caption)
{
    Prompt prompt = NewPrompt(Kind::AskPassword, owner);
    prompt.text = label;
    prompt.caption = caption;
    return TakePath(prompt, Answer::For::Text);
}

std::optional<QString> ScriptedPrompts::SaveFile(QWidget* owner, const QString& filter, bool confirmOverwrite,
                                                 const QString& start)
{
    Prompt prompt = NewPrompt(Kind::SaveFile, owner);
    prompt.filter = filter;
    prompt.confirmOverwrite = confirmOverwrite;
    prompt.start = start;
    return TakePath(prompt, Answer::For::Path);
}

std::optional<QString> ScriptedPrompts::PickFolder(QWidget* owner, const QString& title)
{
    Prompt prompt = NewPrompt(Kind::PickFolder, owner);
    prompt.text = title;
    return TakePath(prompt, Answer::For::Folder);
}

MessageAnswer ScriptedPrompts::Message(QWidget* owner, const QString& text, const QString& caption,
                                       MessageButtons buttons, MessageIcon icon, const QString& detail)
{
    Prompt prompt = NewPrompt(Kind::Message, owner);
    prompt.text = text;
    prompt.caption = caption;
    prompt.buttons = buttons;
    prompt.icon = icon;
    prompt.detail = detail;
    prompt.overProgress = m_OpenProgress > 0;
    m_Asked.push_back(prompt);
    if (m_Answers.empty() || m_Answers.front().kind != Answer::For::Message) {
        // An OK box has only one answer, so it needs no script.
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        m_Unexpected.push_back(prompt);
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
    const MessageAnswer answer = m_Answers.front().message;
    m_Answers.pop_front();
    return answer;
}

bool ScriptedPrompts::PrintDialog(QWidget* owner, QPrinter& printer, int minPage, int maxPage)
{
    Prompt prompt = NewPrompt(Kind::PrintDialog, owner);
    prompt.minPage = minPage;
    prompt.maxPage = maxPage;
    const std::optional<Answer> answer = Take(prompt, Answer::For::Print);
    if (!answer)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(answer->path);
    printer.setPrintRange(answer->from > 0 ? QPrinter::PageRange : QPrinter::AllPages);
    printer.setFromTo(answer->from, answer->to);
    return true;
}

bool ScriptedPrompts::PageSetup(QWidget* owner, QPrinter& printer, const std::function<void(QWidget*)>&)
{
    Prompt prompt = NewPrompt(Kind::PageSetup, owner);
    const std::optional<Answer> answer = Take(prompt, Answer::For::PageSetup);
    if (!answer)
        return false;
    printer.setPageSize(answer->paper);
    printer.setPageOrientation(answer->orientation);
    return true;
}

// Records every step; cancels at the step a test queued.
class ScriptedPrompts::ScriptedProgress : public ProgressPrompt
{
public:
    ScriptedProgress(std::vector<int>& steps, int cancelAt, int& open)
        : m_Steps(steps), m_CancelAt(cancelAt), m_Open(open)
    {
        ++m_Open;
    }
    ~ScriptedProgress() override { --m_Open; }
    ScriptedProgress(const ScriptedProgress&) = delete;
    ScriptedProgress& operator=(const ScriptedProgress&) = delete;
    bool Advance(int done) override
    {
        m_Steps.push_back(done);
        return m_CancelAt <= 0 || done < m_CancelAt;
    }

private:
    std::vector<int>& m_Steps;
    int m_CancelAt;
    int& m_Open;
};

std::unique_ptr<ProgressPrompt> ScriptedPrompts::Progress(QWidget* owner, const QString& text, int maximum)
{
    Prompt prompt = NewPrompt(Kind::Progress, owner);
    prompt.text = text;
    prompt.maxPage = maximum;
    m_Asked.push_back(prompt);
    int cancelAt = 0;
    if (!m_Answers.empty() && m_Answers.front().kind == Answer::For::ProgressCancel) {
        cancelAt = m_Answers.front().from;
        m_Answers.pop_front();
    }
    return std::make_unique<ScriptedProgress>(m_ProgressSteps, cancelAt, m_OpenProgress);
}
