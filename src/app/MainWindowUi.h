#pragma once

#include <QList>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QWidget;
class RadioGroup;

// The controls of the main window, built in code the way a form designer would lay
// them out. Every control carries its own object name.
class MainWindowUi
{
public:
    void setupUi(QMainWindow *window);

    QGroupBox *grbSelect = nullptr;
    QRadioButton *rbManyFiles = nullptr;
    QRadioButton *rbOneFile = nullptr;
    QLabel *lblWorkPath = nullptr;
    QLineEdit *edtWorkDir = nullptr;

    RadioGroup *rgbOrient = nullptr;

    QGroupBox *grbFont = nullptr;
    QLabel *lblFontName = nullptr;
    QComboBox *cmbFontName = nullptr;
    QCheckBox *chkBold = nullptr;
    QCheckBox *chkItalic = nullptr;
    QLabel *lblFontSize = nullptr;
    QComboBox *cmbFontSize = nullptr;
    QPushButton *btnFontColor = nullptr;
    QFrame *pnlColorFont = nullptr;
    QCheckBox *chkFontAsIs = nullptr;

    RadioGroup *rgbInterLeave = nullptr;
    QFrame *pnlColorCol = nullptr;

    QGroupBox *grbWidth = nullptr;
    QRadioButton *rbAuto = nullptr;
    QRadioButton *rbByPattern = nullptr;
    QLineEdit *edPattern = nullptr;
    QLabel *lblTakeSheet = nullptr;
    QComboBox *cmbSheetNumber = nullptr;
    QLabel *lblSheetNameTake = nullptr;
    QLineEdit *edtSheetName = nullptr;

    QGroupBox *grbAdd = nullptr;
    QCheckBox *chkWrap = nullptr;
    QCheckBox *chkBorders = nullptr;
    QCheckBox *chkFName = nullptr;
    QCheckBox *chkBoldLeftFirst = nullptr;
    QCheckBox *chkBoldLastRight = nullptr;
    QCheckBox *chkBoldTopLine = nullptr;
    QCheckBox *chkBoldLastLine = nullptr;
    QCheckBox *chkPageNumeration = nullptr;
    QCheckBox *chRepHeader = nullptr;
    QCheckBox *chkLog = nullptr;
    QPushButton *btnViewLog = nullptr;

    QGroupBox *grbApply = nullptr;
    QLabel *lblSheetApply = nullptr;
    QLineEdit *edtApplySheet = nullptr;
    QPushButton *btnViewSheetName = nullptr;
    QLabel *lblApplySheetName = nullptr;
    QLineEdit *edtApplySheetName = nullptr;
    QCheckBox *chkApplyForAll = nullptr;

    QGroupBox *grbRangeSize = nullptr;
    QCheckBox *chkRangeAuto = nullptr;
    QLabel *lblLeftColumn = nullptr;
    QComboBox *cmbLetterLeft = nullptr;
    QLabel *lblRightColumn = nullptr;
    QComboBox *cmbLetterRight = nullptr;
    QLabel *lblFirstRow = nullptr;
    QComboBox *cmbTopDigit = nullptr;
    QLabel *lblBottomRow = nullptr;
    QComboBox *cmbBottomDigit = nullptr;

    QPushButton *btnStart = nullptr;
    QPushButton *btnStop = nullptr;
    QPushButton *btnOpenTVX = nullptr;
    QPushButton *btnRemember = nullptr;
    QProgressBar *pbar = nullptr;
    QStatusBar *sBar = nullptr;
    QLabel *sBarPanel = nullptr;

    QMenu *File1 = nullptr;
    QAction *OpenTVX1 = nullptr;
    QAction *RememberSet = nullptr;
    QAction *Undolastrun1 = nullptr;
    QAction *Exit1 = nullptr;
    QMenu *N6 = nullptr;
    QAction *Parameters1 = nullptr;
    QAction *APAstyle = nullptr;
    QAction *Languageandhelp1 = nullptr;
    QMenu *Help1 = nullptr;
    QAction *Helpcontents1 = nullptr;
    QAction *AboutTablevane1 = nullptr;

    // The six groups whose controls the no-office lock disables.
    QList<QGroupBox *> groups() const;

private:
    QWidget *buildSelect(QWidget *parent);
    QWidget *buildFont(QWidget *parent);
    QWidget *buildInterleave(QWidget *parent);
    QWidget *buildWidth(QWidget *parent);
    QWidget *buildAdditional(QWidget *parent);
    QWidget *buildApply(QWidget *parent);
    QWidget *buildRange(QWidget *parent);
    QWidget *buildButtons(QWidget *parent);
    void buildMenus(QMainWindow *window);
};
