#include "app/WindowLanguage.h"

#include "platform/ui/ProgramSettings.h"
#include "report/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
const QString LanguageKey = QStringLiteral("Window/Language");
} // namespace

namespace {
QString& InstalledCode()
{
    static QString code;
    return code;
}
} // namespace

namespace WindowLanguage {
QString Chosen(const ProgramSettings& settings)
{
    const QString code = settings.Value(LanguageKey).toString();
    return IsLanguageCode(code) ? code : QString();
}

void Choose(ProgramSettings& settings, const QString& code)
{
    settings.SetValue(LanguageKey, code);
}

QString InEffect(const ProgramSettings& settings)
{
    const QString chosen = Chosen(settings);
    return chosen.isEmpty() ? SystemLanguage() : chosen;
}

bool Install(const QString& code, const QString& folder)
{
    // They live as long as the application.
    static QTranslator program;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&program);
    QCoreApplication::removeTranslator(&qt);
    if (qt.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    if (!LoadTranslations(program, code, folder))
        return false;
    QCoreApplication::installTranslator(&program);
    InstalledCode() = code;
    return true;
}

QString Installed()
{
    return InstalledCode();
}
} // namespace WindowLanguage
