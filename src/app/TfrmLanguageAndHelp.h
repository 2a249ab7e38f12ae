#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TfrmLanguageAndHelp;
}

// The Language and help window. The language and help lists are not offered yet; the
// window only opens and closes.
class TfrmLanguageAndHelp : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmLanguageAndHelp(QWidget *parent = nullptr);
    ~TfrmLanguageAndHelp() override;

private:
    std::unique_ptr<Ui::TfrmLanguageAndHelp> m_ui;
};
