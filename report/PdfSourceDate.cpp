#include "report/PdfSourceDate.h"

#include "platform/SourceDate.h"

#include <QDateTime>

void StampSourceDate(QByteArray& pdf)
{
    const std::optional<int64_t> seconds = SourceDateEpoch();
    if (!seconds)
        return;
    const QByteArray key = "/CreationDate (D:";
    const qsizetype start = pdf.indexOf(key);
    const qsizetype end = start < 0 ? -1 : pdf.indexOf(')', start + key.size());
    if (end < 0)
        return;
    const qsizetype from = start + key.size();
    // Written as local time, ending in Z for UTC or in the offset +HH'mm'.
    const QByteArray written = pdf.mid(from, end - from);
    const QByteArray stamped =
        QDateTime::fromSecsSinceEpoch(*seconds, Qt::UTC).toString("yyyyMMddHHmmss").toLatin1() +
        (written.endsWith('Z') ? "Z" : "+00'00'");
    if (stamped.size() == written.size())
        pdf.replace(from, written.size(), stamped);
}
