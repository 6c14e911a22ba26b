#include "platform/ui/SettingsIni.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryFile>

QVariantMap ParseSettings(const QByteArray& ini)
{
    QVariantMap values;
    QTemporaryFile file;
    if (!file.open() || file.write(ini) != ini.size() || !file.flush())
        return values;
    const QSettings settings(file.fileName(), QSettings::IniFormat);
    for (const QString& key : settings.allKeys())
        values.insert(key, settings.value(key));
    return values;
}

QByteArray SettingsBytes(const QVariantMap& values)
{
    QTemporaryFile file;
    if (!file.open())
        return QByteArray();
    {
        QSettings settings(file.fileName(), QSettings::IniFormat);
        for (auto value = values.begin(); value != values.end(); ++value)
            settings.setValue(value.key(), value.value());
        settings.sync();
    }
    // QSettings put a new file under the name; the one still open is the
    // empty one it replaced.
    QFile written(file.fileName());
    return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
}
