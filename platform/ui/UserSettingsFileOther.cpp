#include "platform/ui/ProgramSettings.h"

// Windows keeps settings in its registry and macOS in its preferences, which
// the system writes itself.
QString UserSettingsFile(const QString&, const QString&)
{
    return QString();
}
