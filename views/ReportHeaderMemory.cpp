#include "views/ReportHeaderMemory.h"

#include "platform/ui/ProgramSettings.h"

namespace {
QString KeyOf(const InfoFieldInfo& info)
{
    return QStringLiteral("ReportHeader/") + QString::fromLatin1(info.name);
}
} // namespace

void RestoreReportHeader(InfoFields& fields)
{
    for (const InfoFieldInfo& info : InfoFieldTable)
        fields.*info.field = ProgramSettings::Current().Value(KeyOf(info)).toString().toStdString();
}

void RememberReportHeader(const InfoFields& fields)
{
    for (const InfoFieldInfo& info : InfoFieldTable)
        ProgramSettings::Current().SetValue(KeyOf(info), QString::fromStdString(fields.*info.field));
}
