#pragma once

#include <QString>
#include <QTranslator>

#include <string>

// The texts a report paints speak the report's language, not the window's:
// a technician reading English may hand a customer a Chinese report, and
// the reverse. Painters take every text through ReportText, which reads the
// language of the job being painted.
QString ReportText(const char* context, const char* source);

// A report's language: its translations, loaded once per job (an unknown
// code or a missing file: the texts as they stand, in English).
class ReportLanguage
{
public:
    explicit ReportLanguage(const std::string& code);
    ReportLanguage(const ReportLanguage&) = delete;
    ReportLanguage& operator=(const ReportLanguage&) = delete;

    // While alive, ReportText speaks `language`; the language before comes
    // back after it, so nested jobs keep theirs.
    class Use
    {
    public:
        explicit Use(const ReportLanguage& language);
        ~Use();
        Use(const Use&) = delete;
        Use& operator=(const Use&) = delete;

    private:
        const QTranslator* m_Before;
    };

private:
    QTranslator m_Translator;
    bool m_Loaded;
};
