#include "KeptRunsGroup.h"

#include "UndoTexts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

namespace {

template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QSpinBox *spinBox(int minimum, int maximum, QWidget *parent, const char *name)
{
    auto *box = named(new QSpinBox(parent), name);
    box->setRange(minimum, maximum);
    box->setGroupSeparatorShown(true);
    return box;
}

} // namespace

KeptRunsGroup::KeptRunsGroup(QWidget *parent)
    : QGroupBox(parent)
{
    setObjectName(QStringLiteral("grbKeptRuns"));
    chkKeepOriginals = named(new QCheckBox(this), "chkKeepOriginals");
    lblKeptRuns = named(new QLabel(this), "lblKeptRuns");
    spnKeptRuns = spinBox(KeptRunLimits::MinRuns, KeptRunLimits::MaxRuns, this, "spnKeptRuns");
    lblKeptSize = named(new QLabel(this), "lblKeptSize");
    spnKeptSize = spinBox(KeptRunLimits::MinMegabytes, KeptRunLimits::MaxMegabytes, this, "spnKeptSize");
    lblKeptRuns->setBuddy(spnKeptRuns);
    lblKeptSize->setBuddy(spnKeptSize);

    auto *layout = new QGridLayout(this);
    layout->addWidget(chkKeepOriginals, 0, 0, 1, 2);
    layout->addWidget(lblKeptRuns, 1, 0);
    layout->addWidget(spnKeptRuns, 1, 1);
    layout->addWidget(lblKeptSize, 2, 0);
    layout->addWidget(spnKeptSize, 2, 1);
    layout->setColumnStretch(0, 1);

    connect(chkKeepOriginals, &QCheckBox::clicked, this, &KeptRunsGroup::chkKeepOriginalsClick);
    applyTexts();
    setLimits(KeptRunLimits{});
}

void KeptRunsGroup::setLimits(const KeptRunLimits &limits)
{
    chkKeepOriginals->setChecked(limits.keepOriginals);
    spnKeptRuns->setValue(limits.runs);
    spnKeptSize->setValue(limits.megabytes);
    chkKeepOriginalsClick();
}

KeptRunLimits KeptRunsGroup::limits() const
{
    return KeptRunLimits{chkKeepOriginals->isChecked(), spnKeptRuns->value(), spnKeptSize->value()};
}

void KeptRunsGroup::applyTexts()
{
    setTitle(UndoTexts::text(UndoText::Group));
    chkKeepOriginals->setText(UndoTexts::text(UndoText::KeepOriginals));
    lblKeptRuns->setText(UndoTexts::text(UndoText::KeptRuns));
    lblKeptSize->setText(UndoTexts::text(UndoText::KeptSize));
}

void KeptRunsGroup::chkKeepOriginalsClick()
{
    const bool keeping = chkKeepOriginals->isChecked();
    for (QWidget *bound : std::initializer_list<QWidget *>{lblKeptRuns, spnKeptRuns, lblKeptSize, spnKeptSize})
        bound->setEnabled(keeping);
}
