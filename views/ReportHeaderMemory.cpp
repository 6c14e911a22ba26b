#include "views/ReportHeaderMemory.h"

#include "platform/ui/ProgramSettings.h"

namespace {
bool Remembered(const InfoFieldInfo& info)
{
    return info.group == InfoGroup::Job || info.group == InfoGroup::System;
}

QString KeyOf(const InfoFieldInfo& info)
{
    return QStringLiteral("ReportHeader/") + QString::fromLatin1(info.name);
}
} // namespace

void RestoreReportHeader(InfoFields& fields)
{
    for (const InfoFieldInfo& info : InfoFieldTable)
        if (Remembered(info))
            fields.*info.field = ProgramSettings::Current().Value(KeyOf(info)).toString().toStdString();
}

void RememberReportHeader(const InfoFields& fields)
{
    for (const InfoFieldInfo& info : InfoFieldTable)
        if (Remembered(info))
            ProgramSettings::Current().SetValue(KeyOf(info), QString::fromStdString(fields.*info.field));
}
