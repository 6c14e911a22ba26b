#include "CTraceLog.h"

#include <QFile>
#include <QString>

CTraceLog::Result CTraceLog::Append(const std::string& path, const std::string& bytes)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return {false, file.errorString().toStdString()};
    const qint64 written = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    const bool flushed = file.flush();
    if (written != static_cast<qint64>(bytes.size()) || !flushed)
        return {false, file.errorString().toStdString()};
    file.close();
    return {};
}
