#pragma once

#include <QString>

#include <cstring>
#include <string>

// Record texts are single-byte, zero-padded fields that may fill their whole
// width without a terminator.
template <size_t N> QString RecordText(const char (&field)[N])
{
    return QString::fromLatin1(field, static_cast<qsizetype>(strnlen(field, N)));
}

// File names as the system's file functions take them.
std::string ToFileSystemPath(const QString& path);
QString FromFileSystemPath(const std::string& path);
