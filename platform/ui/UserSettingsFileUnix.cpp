#include "platform/ui/ProgramSettings.h"

#include <QStandardPaths>

// Where QSettings keeps them too: $XDG_CONFIG_HOME (or ~/.config), a folder
// per organisation, a file per application.
QString UserSettingsFile(const QString& organization, const QString& application)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' + organization +
           '/' + application + ".conf";
}
