#include "FormatSetModel.h"

#include "FontList.h"

FormatSetModel::FormatSetModel(QObject *parent)
    : QObject(parent)
{
}

void FormatSetModel::setSet(const FormatSet &set)
{
    if (set == m_set)
        return;
    m_set = set;
    emit changed();
}

void FormatSetModel::update(const std::function<void(FormatSet &)> &change)
{
    FormatSet next = m_set;
    change(next);
    setSet(next);
}

void FormatSetModel::FillFontList(const QStringList &installedFamilies)
{
    m_fontList = FontList::build(installedFamilies);
    m_set.FontName = FontList::defaultFont(m_fontList);
    emit changed();
}

int FormatSetModel::fontPosition() const
{
    if (m_set.FontName.isEmpty())
        return -1;
    return FontList::SelectFontByName(m_fontList, m_set.FontName);
}

void FormatSetModel::selectFontAt(int position)
{
    const QString name = (position >= 0 && position < m_fontList.size()) ? m_fontList.at(position) : QString();
    update([&](FormatSet &set) { set.FontName = name; });
}

void FormatSetModel::setSheetItems(int count)
{
    m_sheetItemCount = qMax(0, count);
    m_set.PatternSheet = -1;
    emit changed();
}

void FormatSetModel::chooseAutoWidths()
{
    m_set.WidthByPattern = false;
    m_set.PatternFile.clear();
    m_set.PatternSheetName.clear();
    m_set.PatternSheet = -1;
    m_sheetItemCount = 0;
    emit changed();
}

void FormatSetModel::restartPatternChoice()
{
    emit patternChoiceRestartRequested();
}

void FormatSetModel::finishInterleaveChoice()
{
    // Lines and columns need a colour: without one accepted (none yet in this run of the
    // program, or black) they fall back to "No interleave". "Leave as is" needs none;
    // falling back would turn "leave my backgrounds" into "remove them all".
    constexpr int kLeaveAsIs = 3;
    if (m_pickedInterleaveColor != 0)
        update([&](FormatSet &set) { set.InterLeaveColor = m_pickedInterleaveColor; });
    else if (m_set.InterLeave != kLeaveAsIs)
        update([](FormatSet &set) { set.InterLeave = 0; });
}

void FormatSetModel::ApplyAPAStyle()
{
    if (!m_set.APAStyle) {
        m_apaLocked = false;
        m_set.FontSize = QStringLiteral("10");
        m_set.FontName = FontList::defaultFont(m_fontList);
        emit changed();
        return;
    }
    if (FontList::SelectFontByName(m_fontList, QStringLiteral("Times New Roman")) < 0) {
        // Without the preset's font the menu item is disabled and nothing else changes.
        m_apaMenuEnabled = false;
        emit changed();
        return;
    }
    // The interleave reaction runs only when the choice actually changes; when it was
    // already "No interleave" the interleave colour stays as it is.
    const bool interleaveChanges = m_set.InterLeave != 0;
    m_set.FontAsIs = false;
    m_set.FontName = QStringLiteral("Times New Roman");
    m_set.FontSize = QStringLiteral("12");
    m_set.Bold = false;
    m_set.Italic = false;
    m_set.FontColor = 0;
    m_set.InterLeave = 0;
    m_set.Borders = true;
    m_set.FName = false;
    m_set.BoldLeftFirst = false;
    m_set.BoldLastRight = false;
    m_set.BoldTopLine = false;
    m_set.BoldLastLine = false;
    m_apaLocked = true;
    if (interleaveChanges)
        finishInterleaveChoice();
    emit changed();
}
