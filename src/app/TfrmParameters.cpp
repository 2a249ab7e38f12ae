#include "TfrmParameters.h"

#include "KeptRunsGroup.h"
#include "MessagePort.h"
#include "MessageTable.h"
#include "RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {

template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TfrmParameters::TfrmParameters(PreferencesModel &model, OfficeDetectionPort &detection, MessagePort &messages,
                               const MessageTable &table, QWidget *parent)
    : QDialog(parent)
    , m_model(model)
    , m_messages(messages)
    , m_table(table)
{
    setObjectName(QStringLiteral("frmParameters"));
    setWindowTitle(QStringLiteral("Preferences"));
    setModal(true);
    buildControls();
    FormCreate(detection);
    connectControls();
    refresh();
}

void TfrmParameters::FormCreate(OfficeDetectionPort &detection)
{
    m_model.create(OfficeDetection::detect(detection));
}

void TfrmParameters::buildControls()
{
    rgbSelectOffice = named(new RadioGroup(QStringLiteral("Work with files via..."), m_model.officeItems(), 2, this),
                            "rgbSelectOffice");
    rgbSelectOffice->setToolTip(QStringLiteral("Here you can select office, wich Tablevane  using"));
    rgbTakeExt = named(new RadioGroup(QStringLiteral("For work take files with extension..."), m_model.extensionItems(),
                                      3, this),
                       "rgbTakeExt");
    lblSaveAs = named(new QLabel(QStringLiteral("In processing save files as...  "), this), "lblSaveAs");
    cmbSaveAs = named(new QComboBox(this), "cmbSaveAs");
    cmbSaveAs->setMinimumContentsLength(40);
    chkDocTable = named(new QCheckBox(QStringLiteral(".. table in DOC file"), this), "chkDocTable");
    lblCoding = named(new QLabel(QStringLiteral("Character set"), this), "lblCoding");
    cmbCoding = named(new QComboBox(this), "cmbCoding");
    lblFieldDelimiter = named(new QLabel(QStringLiteral("Field delimiter"), this), "lblFieldDelimiter");
    cmbFieldDelimiter = named(new QComboBox(this), "cmbFieldDelimiter");
    lblTextDelimiter = named(new QLabel(QStringLiteral("Text delimiter"), this), "lblTextDelimiter");
    cmbTextDelimiter = named(new QComboBox(this), "cmbTextDelimiter");
    chkFixedWidth = named(new QCheckBox(QStringLiteral("Fixed column width"), this), "chkFixedWidth");
    grbKeptRuns = new KeptRunsGroup(this);
    btnOk = named(new QPushButton(QStringLiteral("OK"), this), "btnOk");
    btnCancel = named(new QPushButton(QStringLiteral("Cancel"), this), "btnCancel");
    btnOk->setDefault(true);

    auto *text = new QGridLayout;
    text->addWidget(lblCoding, 0, 0);
    text->addWidget(cmbCoding, 0, 1);
    text->addWidget(lblFieldDelimiter, 1, 0);
    text->addWidget(cmbFieldDelimiter, 1, 1);
    text->addWidget(lblTextDelimiter, 2, 0);
    text->addWidget(cmbTextDelimiter, 2, 1);
    text->addWidget(chkFixedWidth, 3, 0, 1, 2);
    text->setColumnStretch(1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(rgbSelectOffice);
    layout->addWidget(rgbTakeExt);
    layout->addWidget(lblSaveAs);
    layout->addWidget(cmbSaveAs);
    layout->addWidget(chkDocTable);
    layout->addLayout(text);
    layout->addWidget(grbKeptRuns);
    layout->addLayout(buttons);
}

void TfrmParameters::connectControls()
{
    connect(&m_model, &PreferencesModel::changed, this, &TfrmParameters::refresh);
    connect(rgbSelectOffice, &RadioGroup::itemClicked, &m_model, &PreferencesModel::setOffice);
    connect(rgbTakeExt, &RadioGroup::itemClicked, &m_model, &PreferencesModel::setExtension);
    connect(cmbSaveAs, &QComboBox::activated, &m_model, &PreferencesModel::setSaveAs);
    connect(chkDocTable, &QCheckBox::clicked, &m_model, &PreferencesModel::setDocTable);
    connect(cmbCoding, &QComboBox::activated, &m_model, &PreferencesModel::setCoding);
    connect(cmbFieldDelimiter, &QComboBox::activated, &m_model, &PreferencesModel::setFieldDelimiter);
    connect(cmbTextDelimiter, &QComboBox::activated, &m_model, &PreferencesModel::setTextDelimiter);
    connect(chkFixedWidth, &QCheckBox::clicked, &m_model, &PreferencesModel::setFixedWidth);
    connect(btnOk, &QPushButton::clicked, this, &TfrmParameters::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmParameters::btnCancelClick);
}

void TfrmParameters::refreshList(QComboBox *combo, const QStringList &items, int selected)
{
    // Each item keeps the model's text beside the one shown, which a language may have
    // replaced: the list is filled afresh only when the model's list changed.
    const QSignalBlocker block(combo);
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown.append(combo->itemData(i).toString());
    if (shown != items) {
        combo->clear();
        for (const QString &item : items)
            combo->addItem(item, item);
    }
    combo->setCurrentIndex(selected >= 0 && selected < items.size() ? selected : -1);
}

void TfrmParameters::markUnavailableSaveAs()
{
    // The entries stay where they are (stored choices are positions); those the office
    // cannot write are shown but cannot be picked.
    auto *items = qobject_cast<QStandardItemModel *>(cmbSaveAs->model());
    if (!items)
        return;
    for (int position = 0; position < items->rowCount(); ++position) {
        QStandardItem *item = items->item(position);
        const bool available = m_model.saveAsAvailable(position);
        item->setEnabled(available);
        item->setToolTip(available ? QString() : QStringLiteral("The installed office cannot write this format"));
    }
}

void TfrmParameters::refresh()
{
    rgbSelectOffice->setItemIndex(m_model.office());
    rgbTakeExt->setItemIndex(m_model.extension());
    for (int i = 0; i < rgbSelectOffice->count(); ++i)
        rgbSelectOffice->setItemEnabled(i, m_model.officeItemEnabled(i));
    for (int i = 0; i < rgbTakeExt->count(); ++i)
        rgbTakeExt->setItemEnabled(i, m_model.extensionItemEnabled(i));
    refreshList(cmbSaveAs, m_model.saveAsItems(), m_model.saveAs());
    markUnavailableSaveAs();
    cmbSaveAs->setEnabled(m_model.saveAsEnabled());
    lblSaveAs->setEnabled(m_model.saveAsEnabled());
    chkDocTable->setChecked(m_model.docTable());
    chkDocTable->setEnabled(m_model.docTableEnabled());
    refreshList(cmbCoding, m_model.codingItems(), m_model.coding());
    refreshList(cmbFieldDelimiter, m_model.fieldDelimiterItems(), m_model.fieldDelimiter());
    refreshList(cmbTextDelimiter, m_model.textDelimiterItems(), m_model.textDelimiter());
    chkFixedWidth->setChecked(m_model.fixedWidth());
    lblCoding->setVisible(m_model.codingVisible());
    cmbCoding->setVisible(m_model.codingVisible());
    for (QWidget *widget : std::initializer_list<QWidget *>{lblFieldDelimiter, cmbFieldDelimiter, lblTextDelimiter,
                                                            cmbTextDelimiter, chkFixedWidth})
        widget->setVisible(m_model.delimitersVisible());
}

void TfrmParameters::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    emit showing();
    m_snapshot = m_model.takeSnapshot();
    m_model.applyTextOutputRule();
    grbKeptRuns->applyTexts();
    grbKeptRuns->setLimits(m_model.keptRunLimits());
}

void TfrmParameters::btnOkClick()
{
    m_model.setKeptRunLimits(grbKeptRuns->limits());
    emit saveRequested();
    const OfficeDetectionResult &found = m_model.detection();
    if (found.ExcelInstalled || found.CalcInstalled)
        emit focusWorkPathRequested();
    if (m_model.officeChanged()) {
        emit officeChangeAccepted();
        m_model.clearOfficeChanged();
    }
    accept();
}

void TfrmParameters::btnCancelClick()
{
    m_model.restoreSnapshot(m_snapshot);
    const OfficeDetectionResult &found = m_model.detection();
    if (found.ExcelInstalled || found.CalcInstalled)
        emit focusWorkPathRequested();
    reject();
}

void TfrmParameters::done(int result)
{
    // The character set must be chosen before the dialog may close, whichever way.
    if (m_model.characterSetMissing()) {
        m_messages.showMessage(QStringLiteral("Tablevane"), m_table.text(50), MessageIcon::Warning);
        return;
    }
    QDialog::done(result);
}
