#pragma once

#include <QByteArray>
#include <QVariantMap>

#include <optional>

// The settings file's bytes in QSettings' INI format, which every version of
// the program reads and writes, and back. QSettings makes and reads them on a
// private temporary file of its own: the settings file itself is read and
// written only by the program's safe file functions. Nothing where no
// temporary file can be made.
std::optional<QVariantMap> ParseSettings(const QByteArray& ini);
std::optional<QByteArray> SettingsBytes(const QVariantMap& values);
