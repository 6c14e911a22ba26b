#pragma once

#include <QString>

#include <string>

// File names as the system's file functions take them.
std::string ToFileSystemPath(const QString& path);
QString FromFileSystemPath(const std::string& path);
