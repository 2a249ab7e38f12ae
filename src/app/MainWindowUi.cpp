#include "MainWindowUi.h"

#include "RadioGroup.h"

#include <QAction>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>

namespace {

template <typename T>
T *named(T *widget, const char *name, const QString &hint = QString())
{
    widget->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty())
        widget->setToolTip(hint);
    return widget;
}

QGroupBox *group(QWidget *parent, const char *name, const QString &caption)
{
    auto *box = named(new QGroupBox(caption, parent), name);
    return box;
}

template <typename Layout>
Layout *tight(Layout *layout)
{
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setSpacing(3);
    return layout;
}

QFrame *swatch(QWidget *parent, const char *name)
{
    auto *frame = named(new QFrame(parent), name);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setFixedSize(18, 18);
    frame->setAutoFillBackground(true);
    return frame;
}

QComboBox *itemsCombo(QWidget *parent, const char *name, const QStringList &items, bool editable)
{
    auto *combo = named(new QComboBox(parent), name);
    combo->setEditable(editable);
    // Return in the edit keeps the list as it is.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    return combo;
}

// Text drawn in a fixed colour: a palette colour, which the button's hint does not take
// over as it would a style sheet's.
void colorText(QPushButton *button, const QColor &color)
{
    QPalette palette = button->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::ButtonText, color);
    button->setPalette(palette);
}

// Wide enough to show the sample whole in the combo's edit field.
void fitText(QComboBox *combo, const QString &sample)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QSize text(combo->fontMetrics().horizontalAdvance(sample), combo->fontMetrics().height());
    combo->setMinimumWidth(combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, combo).width());
}

QStringList range(int from, int to)
{
    QStringList items;
    for (int i = from; i <= to; ++i)
        items.append(QString::number(i));
    return items;
}

QStringList letters()
{
    QStringList items;
    for (char c = 'A'; c <= 'Z'; ++c)
        items.append(QString(QLatin1Char(c)));
    return items;
}

} // namespace

void MainWindowUi::setupUi(QMainWindow *window)
{
    auto *central = named(new QWidget(window), "centralWidget");
    auto *columns = new QHBoxLayout;
    columns->setSpacing(6);
    auto *left = new QVBoxLayout;
    left->setSpacing(4);
    rgbOrient = named(new RadioGroup(QStringLiteral("Orientation of page"),
                                     {QStringLiteral("Portrait"), QStringLiteral("Landscape"),
                                      QStringLiteral("Leave \"As Is\"")},
                                     1, central),
                      "rgbOrient");
    auto *choices = new QHBoxLayout;
    choices->setSpacing(6);
    rgbOrient->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    choices->addWidget(rgbOrient, 0);
    choices->addWidget(buildInterleave(central), 1);
    left->addLayout(choices);
    left->addWidget(buildFont(central));
    left->addWidget(buildWidth(central));
    left->addWidget(buildApply(central));
    left->addStretch(1);
    auto *right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(buildAdditional(central));
    right->addWidget(buildRange(central));
    right->addStretch(1);
    columns->addLayout(left, 6);
    columns->addLayout(right, 5);

    auto *page = new QVBoxLayout(central);
    page->setContentsMargins(6, 4, 6, 2);
    page->setSpacing(4);
    page->addWidget(buildSelect(central));
    page->addLayout(columns, 1);
    page->addWidget(buildButtons(central));
    pbar = named(new QProgressBar(central), "pbar");
    pbar->setTextVisible(false);
    pbar->setFixedHeight(14);
    pbar->setRange(0, 0);
    pbar->setMaximum(1);
    pbar->setValue(0);
    page->addWidget(pbar);
    window->setCentralWidget(central);

    sBar = named(new QStatusBar(window), "sBar");
    QFont statusFont(QStringLiteral("Tahoma"));
    statusFont.setPixelSize(11);
    sBar->setFont(statusFont);
    sBar->setSizeGripEnabled(false);
    // The status line's one panel. A hint shown over it (a menu item's, a notice) hides
    // it only as long as the hint lasts.
    sBarPanel = named(new QLabel(sBar), "sBarPanel");
    sBar->addWidget(sBarPanel, 1);
    window->setStatusBar(sBar);
    buildMenus(window);
}

QWidget *MainWindowUi::buildSelect(QWidget *parent)
{
    grbSelect = group(parent, "grbSelect", QStringLiteral("Work with..."));
    auto *layout = tight(new QHBoxLayout(grbSelect));
    rbManyFiles = named(new QRadioButton(QStringLiteral("...directory with files"), grbSelect), "rbManyFiles");
    rbOneFile = named(new QRadioButton(QStringLiteral("...one file"), grbSelect), "rbOneFile");
    lblWorkPath = named(new QLabel(QStringLiteral("Path"), grbSelect), "lblWorkPath");
    edtWorkDir = named(new QLineEdit(grbSelect), "edtWorkDir");
    edtWorkDir->setReadOnly(true);
    layout->addWidget(rbManyFiles);
    layout->addWidget(rbOneFile);
    layout->addSpacing(6);
    layout->addWidget(lblWorkPath);
    layout->addWidget(edtWorkDir, 1);
    return grbSelect;
}

QWidget *MainWindowUi::buildFont(QWidget *parent)
{
    grbFont = group(parent, "grbFont", QStringLiteral("Font"));
    auto *layout = tight(new QGridLayout(grbFont));
    lblFontName = named(new QLabel(QStringLiteral("Name"), grbFont), "lblFontName");
    cmbFontName = named(new QComboBox(grbFont), "cmbFontName");
    cmbFontName->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    fitText(cmbFontName, QStringLiteral("Times New Roman"));
    chkBold = named(new QCheckBox(QStringLiteral("Bold"), grbFont), "chkBold");
    QFont bold = chkBold->font();
    bold.setBold(true);
    chkBold->setFont(bold);
    chkItalic = named(new QCheckBox(QStringLiteral("Italic"), grbFont), "chkItalic");
    QFont italic = chkItalic->font();
    italic.setItalic(true);
    chkItalic->setFont(italic);
    lblFontSize = named(new QLabel(QStringLiteral("Size:"), grbFont), "lblFontSize");
    cmbFontSize = itemsCombo(grbFont, "cmbFontSize", {"6", "8", "10", "12", "14", "16", "18"}, true);
    cmbFontSize->setCurrentText(QStringLiteral("10"));
    cmbFontSize->setFixedWidth(52);
    btnFontColor = named(new QPushButton(QStringLiteral("Color"), grbFont), "btnFontColor");
    btnFontColor->setMaximumWidth(56);
    pnlColorFont = swatch(grbFont, "pnlColorFont");
    chkFontAsIs = named(new QCheckBox(QStringLiteral("Leave \"As Is\""), grbFont), "chkFontAsIs");
    auto *nameRow = new QHBoxLayout;
    nameRow->setSpacing(4);
    nameRow->addWidget(lblFontName);
    nameRow->addWidget(cmbFontName, 1);
    nameRow->addWidget(chkFontAsIs);
    auto *styleRow = new QHBoxLayout;
    styleRow->setSpacing(4);
    styleRow->addWidget(lblFontSize);
    styleRow->addWidget(cmbFontSize);
    styleRow->addWidget(chkBold);
    styleRow->addWidget(chkItalic);
    styleRow->addStretch(1);
    styleRow->addWidget(btnFontColor);
    styleRow->addWidget(pnlColorFont);
    layout->addLayout(nameRow, 0, 0);
    layout->addLayout(styleRow, 1, 0);
    return grbFont;
}

QWidget *MainWindowUi::buildInterleave(QWidget *parent)
{
    rgbInterLeave = named(new RadioGroup(QStringLiteral("Interleave background"),
                                         {QStringLiteral("No interleave"), QStringLiteral("Lines"),
                                          QStringLiteral("Columns"), QStringLiteral("Leave \"As Is\"")},
                                         1, parent),
                          "rgbInterLeave");
    pnlColorCol = swatch(rgbInterLeave, "pnlColorCol");
    rgbInterLeave->addSideWidget(pnlColorCol);
    return rgbInterLeave;
}

QWidget *MainWindowUi::buildWidth(QWidget *parent)
{
    grbWidth = group(parent, "grbWidth", QStringLiteral("Width of columns"));
    auto *layout = tight(new QGridLayout(grbWidth));
    rbAuto = named(new QRadioButton(QStringLiteral("Auto"), grbWidth), "rbAuto");
    rbByPattern = named(new QRadioButton(QStringLiteral("By pattern"), grbWidth), "rbByPattern");
    edPattern = named(new QLineEdit(grbWidth), "edPattern", QStringLiteral("Name of file, which use as pattern"));
    edPattern->setReadOnly(true);
    lblTakeSheet = named(new QLabel(QStringLiteral("as pattern take sheet #"), grbWidth), "lblTakeSheet");
    cmbSheetNumber = named(new QComboBox(grbWidth), "cmbSheetNumber", QStringLiteral("Click here for choose sheet number"));
    cmbSheetNumber->setMinimumContentsLength(3);
    lblSheetNameTake = named(new QLabel(QStringLiteral("Name of selected sheet:"), grbWidth), "lblSheetNameTake");
    edtSheetName = named(new QLineEdit(grbWidth), "edtSheetName");
    edtSheetName->setReadOnly(true);
    auto *choice = new QHBoxLayout;
    choice->addWidget(rbAuto);
    choice->addWidget(rbByPattern);
    choice->addWidget(edPattern, 1);
    layout->addLayout(choice, 0, 0, 1, 2);
    layout->addWidget(lblTakeSheet, 1, 0);
    layout->addWidget(cmbSheetNumber, 1, 1, Qt::AlignLeft);
    layout->addWidget(lblSheetNameTake, 2, 0);
    layout->addWidget(edtSheetName, 2, 1);
    layout->setColumnStretch(1, 1);
    return grbWidth;
}

QWidget *MainWindowUi::buildAdditional(QWidget *parent)
{
    grbAdd = group(parent, "grbAdd", QStringLiteral("Additional"));
    grbAdd->setToolTip(QStringLiteral("Additional options"));
    auto *layout = tight(new QVBoxLayout(grbAdd));
    layout->setSpacing(0);
    auto check = [&](const char *name, const char *caption) {
        auto *box = named(new QCheckBox(QString::fromUtf8(caption), grbAdd), name);
        layout->addWidget(box);
        return box;
    };
    chkWrap = check("chkWrap", "Word wrap");
    chkBorders = check("chkBorders", "Borders");
    chkFName = check("chkFName", "Include name of file in page header");
    chkBoldLeftFirst = check("chkBoldLeftFirst", "Bold font in first LEFT column");
    chkBoldLastRight = check("chkBoldLastRight", "Bold font in last RIGHT column");
    chkBoldTopLine = check("chkBoldTopLine", "Bold font in TOP row");
    chkBoldLastLine = check("chkBoldLastLine", "Bold font in BOTTOM row");
    chkPageNumeration = check("chkPageNumeration", "Page numeration");
    chRepHeader = check("chRepHeader", "Repeat header on each page");
    chkLog = check("chkLog", "Make .log file (if problem in process)");
    btnViewLog = named(new QPushButton(QStringLiteral("View .log file"), grbAdd), "btnViewLog",
                       QStringLiteral("Click for view .log file"));
    layout->addSpacing(3);
    layout->addWidget(btnViewLog, 0, Qt::AlignLeft);
    return grbAdd;
}

QWidget *MainWindowUi::buildApply(QWidget *parent)
{
    grbApply = group(parent, "grbApply", QStringLiteral("Apply to..."));
    auto *layout = tight(new QGridLayout(grbApply));
    lblSheetApply = named(new QLabel(QStringLiteral("...sheet #"), grbApply), "lblSheetApply");
    edtApplySheet = named(new QLineEdit(QStringLiteral("1"), grbApply), "edtApplySheet",
                          QStringLiteral("Enter here number of sheet for work"));
    edtApplySheet->setFixedWidth(40);
    btnViewSheetName = named(new QPushButton(QStringLiteral("View sheet name"), grbApply), "btnViewSheetName",
                             QStringLiteral("Click here for view sheet name"));
    lblApplySheetName = named(new QLabel(QStringLiteral("Sheet name"), grbApply), "lblApplySheetName");
    edtApplySheetName = named(new QLineEdit(grbApply), "edtApplySheetName");
    edtApplySheetName->setReadOnly(true);
    chkApplyForAll = named(new QCheckBox(QStringLiteral("Apply for all sheets"), grbApply), "chkApplyForAll");
    layout->addWidget(lblSheetApply, 0, 0);
    layout->addWidget(edtApplySheet, 0, 1);
    layout->addWidget(btnViewSheetName, 0, 2, Qt::AlignRight);
    layout->addWidget(lblApplySheetName, 1, 0);
    layout->addWidget(edtApplySheetName, 1, 1, 1, 2);
    layout->addWidget(chkApplyForAll, 2, 0, 1, 3);
    layout->setColumnStretch(2, 1);
    return grbApply;
}

QWidget *MainWindowUi::buildRange(QWidget *parent)
{
    grbRangeSize = group(parent, "grbRangeSize", QStringLiteral("Range for processing"));
    auto *layout = tight(new QGridLayout(grbRangeSize));
    chkRangeAuto = named(new QCheckBox(QStringLiteral("Auto"), grbRangeSize), "chkRangeAuto");
    lblLeftColumn = named(new QLabel(QStringLiteral("Left column"), grbRangeSize), "lblLeftColumn");
    cmbLetterLeft = itemsCombo(grbRangeSize, "cmbLetterLeft", letters(), true);
    lblRightColumn = named(new QLabel(QStringLiteral("Right column"), grbRangeSize), "lblRightColumn");
    cmbLetterRight = itemsCombo(grbRangeSize, "cmbLetterRight", letters(), true);
    lblFirstRow = named(new QLabel(QStringLiteral("First row"), grbRangeSize), "lblFirstRow");
    cmbTopDigit = itemsCombo(grbRangeSize, "cmbTopDigit", range(1, 100), true);
    lblBottomRow = named(new QLabel(QStringLiteral("Bottom row"), grbRangeSize), "lblBottomRow");
    cmbBottomDigit = itemsCombo(grbRangeSize, "cmbBottomDigit", range(1, 100), true);
    // The widest values: the last column and row of the large grid.
    for (QComboBox *combo : {cmbLetterLeft, cmbLetterRight})
        fitText(combo, QStringLiteral("XFD"));
    for (QComboBox *combo : {cmbTopDigit, cmbBottomDigit})
        fitText(combo, QStringLiteral("1048576"));
    layout->addWidget(chkRangeAuto, 0, 0, 1, 2);
    const QList<QPair<QLabel *, QComboBox *>> rows = {
        {lblLeftColumn, cmbLetterLeft}, {lblRightColumn, cmbLetterRight},
        {lblFirstRow, cmbTopDigit}, {lblBottomRow, cmbBottomDigit}};
    for (int i = 0; i < rows.size(); ++i) {
        layout->addWidget(rows.at(i).first, i + 1, 0);
        layout->addWidget(rows.at(i).second, i + 1, 1, Qt::AlignLeft);
    }
    layout->setColumnStretch(1, 1);
    return grbRangeSize;
}

QWidget *MainWindowUi::buildButtons(QWidget *parent)
{
    auto *holder = new QWidget(parent);
    auto *layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    btnStart = named(new QPushButton(QStringLiteral("Start!"), holder), "btnStart", QStringLiteral("Click here for begin working"));
    btnStop = named(new QPushButton(QStringLiteral("Stop"), holder), "btnStop");
    QFont bold = btnStart->font();
    bold.setBold(true);
    btnStart->setFont(bold);
    btnStop->setFont(bold);
    colorText(btnStart, QColor(0, 128, 0));
    colorText(btnStop, QColor(255, 0, 0));
    btnOpenTVX = named(new QPushButton(QStringLiteral("Open set"), holder), "btnOpenTVX",
                       QStringLiteral("Click here  for open file with formatting parameters"));
    btnRemember = named(new QPushButton(QStringLiteral("Save set"), holder), "btnRemember",
                        QStringLiteral("Click here for save parameters of formatting"));
    for (QPushButton *button : {btnStart, btnStop, btnOpenTVX, btnRemember})
        button->setMinimumWidth(96);
    layout->addWidget(btnStart);
    layout->addWidget(btnStop);
    layout->addStretch(1);
    layout->addWidget(btnOpenTVX);
    layout->addWidget(btnRemember);
    return holder;
}

void MainWindowUi::buildMenus(QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    File1 = named(bar->addMenu(QStringLiteral("&File")), "File1");
    OpenTVX1 = named(File1->addAction(QStringLiteral("Open set")), "OpenTVX1");
    OpenTVX1->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    RememberSet = named(File1->addAction(QStringLiteral("Remember set ")), "RememberSet");
    RememberSet->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    File1->addSeparator();
    Undolastrun1 = named(File1->addAction(QStringLiteral("Undo last run")), "Undolastrun1");
    File1->addSeparator();
    Exit1 = named(File1->addAction(QStringLiteral("Exit")), "Exit1");

    N6 = named(bar->addMenu(QStringLiteral("&Settings")), "N6");
    Parameters1 = named(N6->addAction(QStringLiteral("Preferences")), "Parameters1");
    Parameters1->setShortcut(QKeySequence(QStringLiteral("Ctrl+R")));
    APAstyle = named(N6->addAction(QStringLiteral("APA style")), "APAstyle");
    APAstyle->setCheckable(true);
    N6->addSeparator();
    Languageandhelp1 = named(N6->addAction(QStringLiteral("Language and help")), "Languageandhelp1");
    Languageandhelp1->setShortcut(QKeySequence(QStringLiteral("Ctrl+L")));

    Help1 = named(bar->addMenu(QStringLiteral("&Help")), "Help1");
    Helpcontents1 = named(Help1->addAction(QStringLiteral("Help contents")), "Helpcontents1");
    Helpcontents1->setShortcut(QKeySequence(Qt::Key_F1));
    Help1->addSeparator();
    AboutTablevane1 = named(Help1->addAction(QStringLiteral("About Tablevane")), "AboutTablevane1");
}

QList<QGroupBox *> MainWindowUi::groups() const
{
    return {grbSelect, grbFont, grbWidth, grbAdd, grbApply, grbRangeSize};
}
