#include "cli/ReportSetup.h"

#include "platform/files/QuotedName.h"
#include "report/ReportPdf.h"
#include "report/Translations.h"

#include <QTranslator>

QPageSize ReportPaper(const std::optional<std::string>& pageSize)
{
    return pageSize ? *ReportPaperNamed(*pageSize) : DefaultReportPaper();
}

std::optional<std::string> ReportLanguageProblem(const std::string& language)
{
    if (QTranslator translator;
        language == LanguageCodes[0] || LoadTranslations(translator, QString::fromStdString(language)))
        return std::nullopt;
    return "its translations are not in " + QuotedName(TranslationsFolder().toStdString());
}
