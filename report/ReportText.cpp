#include "report/ReportText.h"

#include "report/Translations.h"

namespace {
// Painting runs on the UI thread only, one job at a time.
const QTranslator* ActiveTranslator = nullptr;
} // namespace

QString ReportText(const char* context, const char* source)
{
    if (ActiveTranslator) {
        const QString translated = ActiveTranslator->translate(context, source);
        if (!translated.isEmpty())
            return translated;
    }
    return QString::fromUtf8(source);
}

ReportLanguage::ReportLanguage(const std::string& code)
    : m_Loaded(LoadTranslations(m_Translator, QString::fromStdString(code)))
{
}

ReportLanguage::Use::Use(const ReportLanguage& language) : m_Before(ActiveTranslator)
{
    ActiveTranslator = language.m_Loaded ? &language.m_Translator : nullptr;
}

ReportLanguage::Use::~Use()
{
    ActiveTranslator = m_Before;
}
