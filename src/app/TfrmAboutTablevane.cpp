#include "TfrmAboutTablevane.h"

#include "ui_TfrmAboutTablevane.h"

#include "NoticeTable.h"

TfrmAboutTablevane::TfrmAboutTablevane(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::TfrmAboutTablevane>())
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("frmAboutTablevane"));
    setModal(true);
    connect(m_ui->btnOk, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmAboutTablevane::showEvent(QShowEvent *event)
{
    // The purpose line is shown in the language applied; the other texts are names.
    m_ui->lblPurpose->setText(NoticeTable::text(Notice::AboutPurpose));
    QDialog::showEvent(event);
}

TfrmAboutTablevane::~TfrmAboutTablevane() = default;
