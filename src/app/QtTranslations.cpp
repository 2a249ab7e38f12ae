#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QtTranslations::QtTranslations(const QString &folder)
    : m_folder(folder)
{
}

QtTranslations::~QtTranslations()
{
    useEnglish();
}

QString QtTranslations::defaultFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool QtTranslations::use(QLocale::Language language)
{
    if (m_translator && m_language == language)
        return true;
    useEnglish();
    if (language == QLocale::English || language == QLocale::AnyLanguage || language == QLocale::C)
        return language == QLocale::English;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"), m_folder))
        return false;
    // Installing it tells every window that the language changed: Qt's dialogs and
    // button boxes retranslate their standard buttons.
    QCoreApplication::installTranslator(translator.get());
    m_translator = std::move(translator);
    m_language = language;
    return true;
}

void QtTranslations::useEnglish()
{
    if (!m_translator)
        return;
    QCoreApplication::removeTranslator(m_translator.get());
    m_translator.reset();
    m_language = QLocale::English;
}
