#include "views/DialogFolders.h"

#include "platform/ui/ProgramSettings.h"
#include "views/Tabs.h"

#include <QFileInfo>

namespace {
QString SettingsKey(const QString& dialogKind)
{
    return QStringLiteral("Folders/") + dialogKind;
}
} // namespace

QString OpenDialogKind(int tab)
{
    return QStringLiteral("Open") + QString::fromLatin1(tab >= 0 && tab < TabCount ? TabLabels[tab] : "");
}

QString SaveDialogKind(OutputKind kind)
{
    return QStringLiteral("Save") + QString::fromLatin1(ExtensionOf(kind)).mid(1).toUpper();
}

QString LastFolder(const QString& dialogKind)
{
    return ProgramSettings::Current().Value(SettingsKey(dialogKind)).toString();
}

void RememberFolder(const QString& dialogKind, const QString& chosenPath)
{
    ProgramSettings::Current().SetValue(SettingsKey(dialogKind), QFileInfo(chosenPath).absolutePath());
}
