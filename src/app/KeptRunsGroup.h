#pragma once

#include "KeptRunLimits.h"

#include <QGroupBox>

class QCheckBox;
class QLabel;
class QSpinBox;

// The Preferences group of "Undo last run": whether a run keeps the originals of the
// documents it stores over, and how many runs and megabytes of them are kept. The
// bounds are off while nothing is kept.
class KeptRunsGroup : public QGroupBox
{
    Q_OBJECT

public:
    explicit KeptRunsGroup(QWidget *parent = nullptr);

    void setLimits(const KeptRunLimits &limits);
    KeptRunLimits limits() const;
    // The captions in the current language.
    void applyTexts();

private:
    void chkKeepOriginalsClick();

    QCheckBox *chkKeepOriginals = nullptr;
    QLabel *lblKeptRuns = nullptr;
    QSpinBox *spnKeptRuns = nullptr;
    QLabel *lblKeptSize = nullptr;
    QSpinBox *spnKeptSize = nullptr;
};
