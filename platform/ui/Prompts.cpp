#include "platform/ui/Prompts.h"

#include "platform/ui/QtPrompts.h"

#include <QStringList>

namespace {
Prompts* g_installed = nullptr;
}

Prompts& Prompts::Current()
{
    static QtPrompts dialogs;
    return g_installed ? *g_installed : dialogs;
}

void Prompts::Install(Prompts* prompts)
{
    g_installed = prompts;
}

QString QtFilterFromPairs(const QString& pairs)
{
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    // Descriptions carry their own patterns in parentheses, which is what Qt
    // reads; the separate pattern fields add nothing for it.
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        if (description.isEmpty())
            break;
        const QString pattern = parts[i + 1].trimmed();
        filters << (description.contains(QLatin1Char('('))
                        ? description
                        : description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}
