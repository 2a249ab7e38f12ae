#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TfrmAboutTablevane;
}

// The About window: the program's name, version and purpose, shown modally.
class TfrmAboutTablevane : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAboutTablevane(QWidget *parent = nullptr);
    ~TfrmAboutTablevane() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::TfrmAboutTablevane> m_ui;
};
