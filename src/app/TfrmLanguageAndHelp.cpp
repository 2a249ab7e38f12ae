#include "TfrmLanguageAndHelp.h"

#include "ui_TfrmLanguageAndHelp.h"

TfrmLanguageAndHelp::TfrmLanguageAndHelp(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::TfrmLanguageAndHelp>())
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("frmLanguageAndHelp"));
    setModal(true);
    resize(280, 80);
    connect(m_ui->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

TfrmLanguageAndHelp::~TfrmLanguageAndHelp() = default;
