#pragma once

#include <QLocale>
#include <QString>

#include <memory>

class QTranslator;

// Qt's own texts (the buttons of message boxes, the file and colour dialogs) in the
// language of the chosen language file, from the translations Qt ships (Debian's
// qt6-translations-l10n: qtbase_de.qm, qtbase_ru.qm). Without them Qt speaks English.
class QtTranslations
{
public:
    explicit QtTranslations(const QString &folder = defaultFolder());
    ~QtTranslations();

    // Qt's texts in a language; false, and English, where no translation is installed.
    bool use(QLocale::Language language);
    // Qt's texts in English.
    void useEnglish();
    // The language in use; English when none is loaded.
    QLocale::Language language() const { return m_language; }

    static QString defaultFolder();

private:
    QString m_folder;
    std::unique_ptr<QTranslator> m_translator;
    QLocale::Language m_language = QLocale::English;
};
