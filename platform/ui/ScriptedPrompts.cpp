#include "ScriptedPrompts.h"

namespace {
Prompts* g_current = nullptr; // the scripted prompts in force, to restore nesting
}

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
}

std::optional<QString> ScriptedPrompts::TakePath(const Prompt& prompt, Answer::For wanted)
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
    return answer.path;
}

std::optional<QString> ScriptedPrompts::OpenFile(QWidget* owner, const QString& filter, const QString& start)
{
    Prompt prompt{Kind::OpenFile,    {},    {}, filter, false, MessageButtons::Ok,
                  MessageIcon::None, owner, {}, start};
    return TakePath(prompt, Answer::For::Path);
}

std::optional<QString> ScriptedPrompts::SaveFile(QWidget* owner, const QString& filter, bool confirmOverwrite,
                                                 const QString& start)
{
    Prompt prompt{Kind::SaveFile,    {},    {}, filter, confirmOverwrite, MessageButtons::Ok,
                  MessageIcon::None, owner, {}, start};
    return TakePath(prompt, Answer::For::Path);
}

std::optional<QString> ScriptedPrompts::PickFolder(QWidget* owner, const QString& title)
{
    Prompt prompt{Kind::PickFolder,  title, {}, {}, false, MessageButtons::Ok,
                  MessageIcon::None, owner, {}, {}};
    return TakePath(prompt, Answer::For::Folder);
}

MessageAnswer ScriptedPrompts::Message(QWidget* owner, const QString& text, const QString& caption,
                                       MessageButtons buttons, MessageIcon icon, const QString& detail)
{
    Prompt prompt{Kind::Message, text, caption, {}, false, buttons, icon, owner, detail, {}};
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
