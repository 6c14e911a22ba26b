#include "LogPath.h"

#include <QDir>

namespace
{
const char* const kLogName = "COMData.txt";
}

std::string DefaultLogPath()
{
#ifdef Q_OS_WIN
    return std::string("C:\\") + kLogName;
#else
    return LogPathInFolder(QDir::toNativeSeparators(QDir::homePath()).toStdString());
#endif
}

std::string LogPathInFolder(const std::string& folder)
{
    return folder + QDir::separator().toLatin1() + kLogName;
}
