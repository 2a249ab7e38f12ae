#include "FormatSetView.h"

#include "FormatSetModel.h"
#include "MainWindowUi.h"
#include "QtColorDialogPort.h"
#include "RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QStyle>

namespace {

void setCheck(QAbstractButton *button, bool checked)
{
    const QSignalBlocker block(button);
    button->setChecked(checked);
}

void setText(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text)
        edit->setText(text);
}

void setComboText(QComboBox *combo, const QString &text)
{
    if (combo->currentText() != text)
        combo->setCurrentText(text);
}

void paint(QFrame *frame, quint32 windowsColor)
{
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, QtColorDialogPort::toQColor(windowsColor));
    frame->setPalette(palette);
}

// Radio buttons of one parent are exclusive; showing "neither" needs the rule lifted.
void setExclusiveChecks(QRadioButton *first, bool firstChecked, QRadioButton *second, bool secondChecked)
{
    const QSignalBlocker blockFirst(first);
    const QSignalBlocker blockSecond(second);
    first->setAutoExclusive(false);
    second->setAutoExclusive(false);
    first->setChecked(firstChecked);
    second->setChecked(secondChecked);
    first->setAutoExclusive(true);
    second->setAutoExclusive(true);
}

} // namespace

FormatSetView::FormatSetView(MainWindowUi &ui, FormatSetModel &model, QObject *parent)
    : QObject(parent)
    , m_ui(ui)
    , m_model(model)
    , m_patternHint(ui.edPattern->toolTip())
{
    const auto digits = QRegularExpression(QStringLiteral("[0-9]*"));
    m_ui.cmbFontSize->setValidator(new QRegularExpressionValidator(digits, m_ui.cmbFontSize));
    m_ui.edtApplySheet->setValidator(new QRegularExpressionValidator(digits, m_ui.edtApplySheet));
    connectChecks();
    connectTexts();
    connect(&m_model, &FormatSetModel::changed, this, &FormatSetView::refresh);
    refresh();
}

void FormatSetView::connectChecks()
{
    auto bind = [this](QAbstractButton *box, bool FormatSet::*field) {
        connect(box, &QAbstractButton::clicked, this, [this, field](bool checked) {
            m_model.update([&](FormatSet &set) { set.*field = checked; });
        });
    };
    bind(m_ui.chkBold, &FormatSet::Bold);
    bind(m_ui.chkItalic, &FormatSet::Italic);
    bind(m_ui.chkFontAsIs, &FormatSet::FontAsIs);
    bind(m_ui.chkWrap, &FormatSet::WordWrap);
    bind(m_ui.chkBorders, &FormatSet::Borders);
    bind(m_ui.chkFName, &FormatSet::FName);
    bind(m_ui.chkBoldLeftFirst, &FormatSet::BoldLeftFirst);
    bind(m_ui.chkBoldLastRight, &FormatSet::BoldLastRight);
    bind(m_ui.chkBoldTopLine, &FormatSet::BoldTopLine);
    bind(m_ui.chkBoldLastLine, &FormatSet::BoldLastLine);
    bind(m_ui.chkPageNumeration, &FormatSet::PageNumeration);
    bind(m_ui.chRepHeader, &FormatSet::RepHeader);
    bind(m_ui.chkLog, &FormatSet::Log);
    bind(m_ui.chkApplyForAll, &FormatSet::ApplyForAll);
    bind(m_ui.chkRangeAuto, &FormatSet::RangeAuto);
    connect(m_ui.rgbOrient, &RadioGroup::itemClicked, this, [this](int index) {
        m_model.update([&](FormatSet &set) { set.Orientation = index; });
    });
    connect(m_ui.cmbFontName, &QComboBox::activated, this, [this](int index) { m_model.selectFontAt(index); });
}

void FormatSetView::connectTexts()
{
    auto bindCombo = [this](QComboBox *combo, QString FormatSet::*field) {
        connect(combo, &QComboBox::currentTextChanged, this, [this, field](const QString &text) {
            m_model.update([&](FormatSet &set) { set.*field = text; });
        });
    };
    bindCombo(m_ui.cmbFontSize, &FormatSet::FontSize);
    bindCombo(m_ui.cmbLetterLeft, &FormatSet::LeftColumn);
    bindCombo(m_ui.cmbLetterRight, &FormatSet::RightColumn);
    bindCombo(m_ui.cmbTopDigit, &FormatSet::TopDigit);
    bindCombo(m_ui.cmbBottomDigit, &FormatSet::BottomDigit);
    connect(m_ui.edtApplySheet, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_model.update([&](FormatSet &set) { set.ApplySheet = text; });
    });
}

void FormatSetView::refresh()
{
    refreshValues();
    refreshSheetItems();
    refreshEnabled();
}

void FormatSetView::refreshValues()
{
    const FormatSet &set = m_model.set();
    m_ui.rgbOrient->setItemIndex(set.Orientation);
    if (m_shownFonts != m_model.fontList()) {
        // A rebuilt list may hold fonts installed since (the APA preset switched off).
        const QSignalBlocker block(m_ui.cmbFontName);
        m_shownFonts = m_model.fontList();
        m_ui.cmbFontName->clear();
        m_ui.cmbFontName->addItems(m_shownFonts);
    }
    m_ui.cmbFontName->setCurrentIndex(m_model.fontPosition());
    m_ui.cmbFontName->setToolTip(set.FontName);
    setComboText(m_ui.cmbFontSize, set.FontSize);
    setCheck(m_ui.chkBold, set.Bold);
    setCheck(m_ui.chkItalic, set.Italic);
    paint(m_ui.pnlColorFont, set.FontColor);
    setCheck(m_ui.chkFontAsIs, set.FontAsIs);
    m_ui.rgbInterLeave->setItemIndex(set.InterLeave);
    paint(m_ui.pnlColorCol, set.InterLeaveColor);
    setExclusiveChecks(m_ui.rbAuto, !set.WidthByPattern, m_ui.rbByPattern, set.WidthByPattern);
    setText(m_ui.edPattern, set.PatternFile);
    m_ui.edPattern->setToolTip(set.PatternFile.isEmpty() ? m_patternHint : set.PatternFile);
    setText(m_ui.edtSheetName, set.PatternSheetName);
    m_ui.edtSheetName->setToolTip(set.PatternSheetName);
    setCheck(m_ui.chkWrap, set.WordWrap);
    setCheck(m_ui.chkBorders, set.Borders);
    setCheck(m_ui.chkFName, set.FName);
    setCheck(m_ui.chkBoldLeftFirst, set.BoldLeftFirst);
    setCheck(m_ui.chkBoldLastRight, set.BoldLastRight);
    setCheck(m_ui.chkBoldTopLine, set.BoldTopLine);
    setCheck(m_ui.chkBoldLastLine, set.BoldLastLine);
    setCheck(m_ui.chkPageNumeration, set.PageNumeration);
    setCheck(m_ui.chRepHeader, set.RepHeader);
    setCheck(m_ui.chkLog, set.Log);
    setText(m_ui.edtApplySheet, set.ApplySheet);
    setCheck(m_ui.chkApplyForAll, set.ApplyForAll);
    setCheck(m_ui.chkRangeAuto, set.RangeAuto);
    setComboText(m_ui.cmbLetterLeft, set.LeftColumn);
    setComboText(m_ui.cmbLetterRight, set.RightColumn);
    setComboText(m_ui.cmbTopDigit, set.TopDigit);
    setComboText(m_ui.cmbBottomDigit, set.BottomDigit);
}

void FormatSetView::refreshSheetItems()
{
    QComboBox *combo = m_ui.cmbSheetNumber;
    const QSignalBlocker block(combo);
    if (combo->count() != m_model.sheetItemCount()) {
        combo->clear();
        for (int i = 1; i <= m_model.sheetItemCount(); ++i)
            combo->addItem(QString::number(i));
    }
    const int selected = m_model.set().PatternSheet;
    combo->setCurrentIndex(selected >= 1 && selected <= combo->count() ? selected - 1 : -1);
}

void FormatSetView::setEnabled(QWidget *widget, bool enabled)
{
    widget->setEnabled(enabled && !m_locked);
}

void FormatSetView::refreshEnabled()
{
    const FormatSet &set = m_model.set();
    const bool apa = m_model.apaLocked();
    const bool font = !set.FontAsIs;
    for (QWidget *widget : {static_cast<QWidget *>(m_ui.lblFontName), static_cast<QWidget *>(m_ui.lblFontSize)})
        setEnabled(widget, font);
    for (QWidget *widget : std::initializer_list<QWidget *>{m_ui.cmbFontName, m_ui.cmbFontSize, m_ui.chkBold,
                                                            m_ui.chkItalic, m_ui.btnFontColor})
        setEnabled(widget, font && !apa);
    m_ui.pnlColorFont->setEnabled(false);
    for (QWidget *widget : std::initializer_list<QWidget *>{m_ui.chkFontAsIs, m_ui.rgbInterLeave, m_ui.chkBorders,
                                                            m_ui.chkFName, m_ui.chkBoldLeftFirst, m_ui.chkBoldLastRight,
                                                            m_ui.chkBoldTopLine, m_ui.chkBoldLastLine})
        setEnabled(widget, !apa);
    for (QWidget *widget : std::initializer_list<QWidget *>{m_ui.edtApplySheet, m_ui.btnViewSheetName,
                                                            m_ui.edtApplySheetName})
        setEnabled(widget, !set.ApplyForAll);
    for (QLineEdit *edit : {m_ui.edtApplySheet, m_ui.edtApplySheetName}) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, edit->style()->standardPalette().color(
                                             set.ApplyForAll ? QPalette::Button : QPalette::Base));
        edit->setPalette(palette);
    }
    for (QWidget *widget : std::initializer_list<QWidget *>{m_ui.lblLeftColumn, m_ui.cmbLetterLeft, m_ui.lblRightColumn,
                                                            m_ui.cmbLetterRight, m_ui.lblFirstRow, m_ui.cmbTopDigit,
                                                            m_ui.lblBottomRow, m_ui.cmbBottomDigit})
        setEnabled(widget, !set.RangeAuto);
}

void FormatSetView::setPatternHint(const QString &hint)
{
    m_patternHint = hint;
    if (m_model.set().PatternFile.isEmpty())
        m_ui.edPattern->setToolTip(hint);
}

void FormatSetView::setLocked(bool locked)
{
    m_locked = locked;
    refreshEnabled();
}
