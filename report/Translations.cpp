#include "report/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

bool IsLanguageCode(const QString& code)
{
    for (const char* known : LanguageCodes)
        if (code == QLatin1String(known))
            return true;
    return false;
}

QString TranslationsFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/kav/translations"));
}

bool LoadTranslations(QTranslator& translator, const QString& language, const QString& folder)
{
    if (!IsLanguageCode(language))
        return false;
    return translator.load(QStringLiteral("kav_") + language, folder);
}

QString SystemLanguage()
{
    const QLocale locale = QLocale::system();
    const bool simplified = locale.script() == QLocale::SimplifiedHanScript ||
                            (locale.script() == QLocale::AnyScript && locale.territory() != QLocale::Taiwan &&
                             locale.territory() != QLocale::HongKong && locale.territory() != QLocale::Macau);
    return locale.language() == QLocale::Chinese && simplified ? QStringLiteral("zh_CN")
                                                               : QString::fromLatin1(LanguageCodes[0]);
}
