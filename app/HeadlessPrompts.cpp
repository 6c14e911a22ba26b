#include "app/HeadlessPrompts.h"

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

MessageAnswer HeadlessPrompts::Message(QWidget*, const QString& text, const QString& caption,
                                       MessageButtons buttons, MessageIcon, const QString& detail)
{
    const QString said = detail.isEmpty() ? text : text + QLatin1Char('\n') + detail;
    std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(QString(said).replace('\n', ' ')));
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
