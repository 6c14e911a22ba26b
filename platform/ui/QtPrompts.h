#pragma once

#include "Prompts.h"

// The platform's real dialogs.
class QtPrompts : public Prompts
{
public:
    std::optional<QString> OpenFile(QWidget* owner, const QString& filter, const QString& start) override;
    std::optional<QString> SaveFile(QWidget* owner, const QString& filter, bool confirmOverwrite,
                                    const QString& start) override;
    std::optional<QString> PickFolder(QWidget* owner, const QString& title) override;
    MessageAnswer Message(QWidget* owner, const QString& text, const QString& caption, MessageButtons buttons,
                          MessageIcon icon, const QString& detail) override;
};
