#include "TfrmAboutTablevane.h"

#include "ui_TfrmAboutTablevane.h"

TfrmAboutTablevane::TfrmAboutTablevane(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::TfrmAboutTablevane>())
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("frmAboutTablevane"));
    setModal(true);
    connect(m_ui->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

TfrmAboutTablevane::~TfrmAboutTablevane() = default;
