#pragma once

#include "platform/ui/Prompts.h"

// Prompts for a run with nobody at the screen: messages go to the error
// output, file, folder, print and page setup dialogs are cancelled,
// questions answered No, and long tasks run to their end.
class HeadlessPrompts : public Prompts
{
public:
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
};
