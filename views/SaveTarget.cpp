#include "SaveTarget.h"

#include "Messages.h"
#include "Prompts.h"
#include "RecordText.h"

#include <QFileInfo>

std::optional<std::string> ChooseSaveTarget(QWidget* owner, const QString& filter, OutputKind kind)
{
    const std::optional<QString> chosen = Prompts::Current().SaveFile(owner, filter, true);
    if (!chosen)
        return std::nullopt;
    const std::string chosenPath = ToFileSystemPath(*chosen);
    std::optional<std::string> target = ApplyExtensionRule(chosenPath, kind);
    if (!target)
        return std::nullopt;
    if (*target != chosenPath && QFileInfo::exists(FromFileSystemPath(*target)) &&
        !ConfirmReplace(owner, FromFileSystemPath(*target)))
        return std::nullopt;
    return target;
}
