#include "FileDialogTexts.h"

FileDialogTexts::FileDialogTexts()
{
    const QString selection = QStringLiteral("Tablevane-selection file");
    const QString pattern = QStringLiteral("Tablevane-selection file of pattern");
    auto add = [this](const char *dialog, const QString &title, const QString &filter) {
        FileDialogSpec texts;
        texts.title = title;
        texts.filter = filter;
        m_dialogs.insert(QString::fromLatin1(dialog), texts);
    };
    add("OpenDlgTVX", QStringLiteral("Tablevane-open set"), QStringLiteral("Tablevane files (*.tvx)|*.tvx"));
    add("SaveDlgTVX", QStringLiteral("Tablevane-save set"), QStringLiteral("Tablevane file (*.tvx)|*.tvx"));
    add("OpenDlgXLS", selection, QStringLiteral("'MS Excel Workbook 97/2000/XP/2003 (*.xls)|*.xls"));
    add("OpenDlgODS", selection, QStringLiteral("OpenDocument SpreadSheet (*.ods)|*.ods"));
    add("OpenDlgXLSX", selection, QStringLiteral("MS Excel 2007 Workbook (*.xlsx)|*.xlsx"));
    add("OpenDlgPatternXLS", pattern, QStringLiteral("MS Excel files (*.xls)|*.xls"));
    add("OpenDlgPatternODS", pattern, QStringLiteral("OpenDocument Spreadsheet (*.ods)|*.ods"));
    add("OpenDlgPatternXLSX", pattern, QStringLiteral("MS Excel 2007 files (*.xlsx)|*.xlsx"));
}

FileDialogSpec FileDialogTexts::request(const QString &dialog) const
{
    return m_dialogs.value(dialog);
}

QString FileDialogTexts::title(const QString &dialog) const
{
    return m_dialogs.value(dialog).title;
}

QString FileDialogTexts::filter(const QString &dialog) const
{
    return m_dialogs.value(dialog).filter;
}

void FileDialogTexts::setTitle(const QString &dialog, const QString &title)
{
    auto found = m_dialogs.find(dialog);
    if (found != m_dialogs.end())
        found->title = title;
}

void FileDialogTexts::setFilter(const QString &dialog, const QString &filter)
{
    auto found = m_dialogs.find(dialog);
    if (found != m_dialogs.end())
        found->filter = filter;
}
