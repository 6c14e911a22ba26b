#include "views/CertificationSettings.h"

#include "data/LimitFile.h"
#include "platform/ui/ProgramSettings.h"

namespace {
const QString LimitsKey = QStringLiteral("Certification/Limits");
const QString LimitColumnsKey = QStringLiteral("Certification/LimitColumns");
} // namespace

TestLimits RememberedLimits()
{
    const QByteArray text = ProgramSettings::Current().Value(LimitsKey).toString().toUtf8();
    const LimitFileResult read = ParseLimitFile(std::string_view(text.constData(), size_t(text.size())));
    return read.limits.value_or(TestLimits{});
}

void RememberLimits(const TestLimits& limits)
{
    ProgramSettings::Current().SetValue(LimitsKey, QString::fromStdString(LimitFileBytes(limits)));
}

bool RememberedLimitColumns()
{
    return ProgramSettings::Current().Value(LimitColumnsKey).toBool();
}

void RememberLimitColumns(bool shown)
{
    ProgramSettings::Current().SetValue(LimitColumnsKey, shown);
}
