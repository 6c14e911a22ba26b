#include "views/SaveTarget.h"

#include "platform/ui/Prompts.h"
#include "views/DialogFolders.h"
#include "views/Messages.h"
#include "views/RecordText.h"

#include <QFileInfo>

std::optional<std::string> ChooseSaveTarget(QWidget* owner, const QString& filter, OutputKind kind)
{
    const QString dialogKind = SaveDialogKind(kind);
    QString start = LastFolder(dialogKind);
    for (;;) {
        const std::optional<QString> chosen = Prompts::Current().SaveFile(owner, filter, true, start);
        if (!chosen)
            return std::nullopt;
        RememberFolder(dialogKind, *chosen);
        const std::string chosenPath = ToFileSystemPath(*chosen);
        const std::optional<std::string> target = ApplyExtensionRule(chosenPath, kind);
        if (!target) {
            // Said, and asked again with the name as typed, so that only the
            // ending needs mending.
            ReportRefusedEnding(owner, kind);
            start = *chosen;
            continue;
        }
        // Not to replace is to choose another name, so the dialog comes back.
        if (*target != chosenPath && QFileInfo::exists(FromFileSystemPath(*target)) &&
            !ConfirmReplace(owner, FromFileSystemPath(*target))) {
            start = *chosen;
            continue;
        }
        return target;
    }
}
