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

// English is the texts as they stand: a job in English reads no file and
// needs no application object (the translations' folder is the program's).
ReportLanguage::ReportLanguage(const std::string& code)
    : m_Loaded(code != LanguageCodes[0] && LoadTranslations(m_Translator, QString::fromStdString(code)))
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
