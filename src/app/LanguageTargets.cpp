#include "LanguageTargets.h"

#include "FileDialogTexts.h"
#include "FormatSetView.h"
#include "MessageTable.h"
#include "RadioGroup.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>

namespace {

RunCaption runCaption(int index)
{
    return index == 0 ? RunCaption::Start : RunCaption::Pause;
}

QString captionOf(QObject *object)
{
    if (auto *button = qobject_cast<QAbstractButton *>(object))
        return button->text();
    if (auto *label = qobject_cast<QLabel *>(object))
        return label->text();
    if (auto *group = qobject_cast<QGroupBox *>(object))
        return group->title();
    if (auto *menu = qobject_cast<QMenu *>(object))
        return menu->title();
    if (auto *action = qobject_cast<QAction *>(object))
        return action->text();
    return QString();
}

void setCaptionOf(QObject *object, const QString &text)
{
    if (auto *button = qobject_cast<QAbstractButton *>(object))
        button->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(object))
        label->setText(text);
    else if (auto *group = qobject_cast<QGroupBox *>(object))
        group->setTitle(text);
    else if (auto *menu = qobject_cast<QMenu *>(object))
        menu->setTitle(text);
    else if (auto *action = qobject_cast<QAction *>(object))
        action->setText(text);
}

QString hintOf(QObject *object)
{
    if (auto *widget = qobject_cast<QWidget *>(object))
        return widget->toolTip();
    if (auto *action = qobject_cast<QAction *>(object))
        return action->toolTip();
    return QString();
}

void setHintOf(QObject *object, const QString &text)
{
    if (auto *widget = qobject_cast<QWidget *>(object))
        widget->setToolTip(text);
    else if (auto *action = qobject_cast<QAction *>(object))
        action->setToolTip(text);
}

QString itemOf(QObject *object, int index)
{
    if (auto *group = qobject_cast<RadioGroup *>(object))
        return index < group->count() ? group->item(index)->text() : QString();
    if (auto *combo = qobject_cast<QComboBox *>(object))
        return combo->itemText(index);
    return QString();
}

void setItemOf(QObject *object, int index, const QString &text)
{
    if (auto *group = qobject_cast<RadioGroup *>(object)) {
        if (index >= 0 && index < group->count())
            group->item(index)->setText(text);
    } else if (auto *combo = qobject_cast<QComboBox *>(object)) {
        if (index >= 0 && index < combo->count())
            combo->setItemText(index, text);
    }
}

} // namespace

LanguageTargets::LanguageTargets(const Windows &windows, FileDialogTexts &dialogs, MessageTable &messages,
                                 FormatSetView *view)
    : m_windows(windows)
    , m_dialogs(dialogs)
    , m_messages(messages)
    , m_view(view)
{
}

QWidget *LanguageTargets::window(TextWindow which) const
{
    switch (which) {
    case TextWindow::Main:
        return m_windows.main;
    case TextWindow::Preferences:
        return m_windows.preferences;
    case TextWindow::LanguageAndHelp:
        return m_windows.languageAndHelp;
    case TextWindow::About:
        return m_windows.about;
    }
    return nullptr;
}

QObject *LanguageTargets::object(const TextTarget &target) const
{
    QWidget *root = window(target.window);
    if (!root)
        return nullptr;
    return root->findChild<QObject *>(target.object);
}

bool LanguageTargets::isPatternHint(const TextTarget &target) const
{
    // The pattern field shows the file's name as its hint once a pattern is chosen;
    // the hint a language sets is the one it shows without a pattern.
    return m_view && target.window == TextWindow::Main && target.kind == TextKind::Hint
        && target.object == QLatin1String("edPattern");
}

QString LanguageTargets::text(const TextTarget &target) const
{
    switch (target.kind) {
    case TextKind::WindowTitle:
        return window(target.window) ? window(target.window)->windowTitle() : QString();
    case TextKind::DialogFilter:
        return m_dialogs.filter(target.object);
    case TextKind::DialogTitle:
        return m_dialogs.title(target.object);
    case TextKind::RunCaption:
        return m_messages.caption(runCaption(target.index));
    case TextKind::Caption:
        return captionOf(object(target));
    case TextKind::Hint:
        return isPatternHint(target) ? m_view->patternHint() : hintOf(object(target));
    case TextKind::Item:
        return itemOf(object(target), target.index);
    }
    return QString();
}

void LanguageTargets::setText(const TextTarget &target, const QString &text)
{
    switch (target.kind) {
    case TextKind::WindowTitle:
        if (QWidget *root = window(target.window))
            root->setWindowTitle(text);
        break;
    case TextKind::DialogFilter:
        m_dialogs.setFilter(target.object, text);
        break;
    case TextKind::DialogTitle:
        m_dialogs.setTitle(target.object, text);
        break;
    case TextKind::RunCaption:
        m_messages.setCaption(runCaption(target.index), text);
        break;
    case TextKind::Caption:
        setCaptionOf(object(target), text);
        break;
    case TextKind::Hint:
        if (isPatternHint(target))
            m_view->setPatternHint(text);
        else
            setHintOf(object(target), text);
        break;
    case TextKind::Item:
        setItemOf(object(target), target.index, text);
        break;
    }
}

void LanguageTargets::announceLanguageChange()
{
    for (QWidget *window : {m_windows.main, m_windows.preferences, m_windows.languageAndHelp, m_windows.about}) {
        if (!window)
            continue;
        boundToScreen(window);
        QEvent event(QEvent::LanguageChange);
        QCoreApplication::sendEvent(window, &event);
    }
}

void LanguageTargets::boundToScreen(QWidget *window)
{
    // A control sized by its text is never wider than the screen: a text too long for
    // it (a damaged language file) is cut by the control, and its window, whose layout
    // follows the controls, keeps its buttons on the screen.
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    constexpr int kFrameAndMargins = 64;
    const int room = qMax(1, screen->availableGeometry().width() - kFrameAndMargins);
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (qobject_cast<QLabel *>(widget) || qobject_cast<QAbstractButton *>(widget)
            || qobject_cast<QGroupBox *>(widget) || qobject_cast<QComboBox *>(widget))
            widget->setMaximumWidth(qMin(widget->maximumWidth(), room));
    }
}
