#pragma once

#include "Prompts.h"

// Prompts for a run with nobody at the screen: messages go to the error
// output, file and folder dialogs are cancelled, questions answered No.
class HeadlessPrompts : public Prompts
{
public:
    std::optional<QString> OpenFile(QWidget* owner, const QString& filter, const QString& start) override;
    std::optional<QString> SaveFile(QWidget* owner, const QString& filter, bool confirmOverwrite,
                                    const QString& start) override;
    std::optional<QString> PickFolder(QWidget* owner, const QString& title) override;
    MessageAnswer Message(QWidget* owner, const QString& text, const QString& caption, MessageButtons buttons,
                          MessageIcon icon, const QString& detail) override;
};
