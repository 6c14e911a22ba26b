#include "views/RecordText.h"

#include <QFile>

std::string ToFileSystemPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString FromFileSystemPath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}
