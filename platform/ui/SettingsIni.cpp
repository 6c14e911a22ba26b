#include "platform/ui/SettingsIni.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryFile>

std::optional<QVariantMap> ParseSettings(const QByteArray& ini)
{
    QTemporaryFile file;
    if (!file.open() || file.write(ini) != ini.size() || !file.flush())
        return std::nullopt;
    QVariantMap values;
    const QSettings settings(file.fileName(), QSettings::IniFormat);
    for (const QString& key : settings.allKeys())
        values.insert(key, settings.value(key));
    return values;
}

std::optional<QByteArray> SettingsBytes(const QVariantMap& values)
{
    QTemporaryFile file;
    if (!file.open())
        return std::nullopt;
    {
        QSettings settings(file.fileName(), QSettings::IniFormat);
        for (auto value = values.begin(); value != values.end(); ++value)
            settings.setValue(value.key(), value.value());
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return std::nullopt;
    }
    // QSettings put a new file under the name; the one still open is the
    // empty one it replaced.
    QFile written(file.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return std::nullopt;
    return written.readAll();
}
