#include "app/HeadlessPrompts.h"

#include <QList>

#include <cstdio>

std::optional<QString> HeadlessPrompts::OpenFile(QWidget*, const QString&, const QString&)
{
    return std::nullopt;
}

std::optional<QString> HeadlessPrompts::SaveFile(QWidget*, const QString&, bool, const QString&)
{
    return std::nullopt;
}

std::optional<QString> HeadlessPrompts::PickFolder(QWidget*, const QString&)
{
    return std::nullopt;
}

QStringList HeadlessPrompts::OpenFiles(QWidget*, const QString&, const QString&)
{
    return {};
}

std::optional<QString> HeadlessPrompts::AskText(QWidget*, const QString&, const QString&, const QString&)
{
    return std::nullopt;
}

std::optional<QString> HeadlessPrompts::AskPassword(QWidget*, const QString&, const QString&)
{
    return std::nullopt;
}

namespace {
// A message as one line: its lines joined, and any other control character
// (a file name may hold one) written as an octal escape, so that nothing in
// it ends the line or reaches the terminal.
QByteArray OneLine(const QString& text)
{
    QByteArray line;
    for (const uint c : text.toUcs4()) {
        const char32_t code = c;
        if (code == '\n')
            line += ' ';
        else if (code < 0x20 || (code >= 0x7F && code < 0xA0))
            line += "\\" + QByteArray::number(code, 8).rightJustified(3, '0');
        else
            line += QString::fromUcs4(&code, 1).toUtf8();
    }
    return line;
}
} // namespace

MessageAnswer HeadlessPrompts::Message(QWidget*, const QString& text, const QString& caption,
                                       MessageButtons buttons, MessageIcon, const QString& detail)
{
    const QString said = detail.isEmpty() ? text : text + QLatin1Char('\n') + detail;
    std::fprintf(stderr, "%s: %s\n", OneLine(caption).constData(), OneLine(said).constData());
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

bool HeadlessPrompts::PrintDialog(QWidget*, QPrinter&, int, int)
{
    return false;
}

bool HeadlessPrompts::PageSetup(QWidget*, QPrinter&, const std::function<void(QWidget*)>&)
{
    return false;
}

namespace {
class Unattended : public ProgressPrompt
{
public:
    bool Advance(int) override { return true; }
};
} // namespace

std::unique_ptr<ProgressPrompt> HeadlessPrompts::Progress(QWidget*, const QString&, int)
{
    return std::make_unique<Unattended>();
}
