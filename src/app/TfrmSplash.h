#pragma once

#include <QWidget>

class QTimer;

// The splash window shown while the program starts: navy, borderless, centred, with
// the program's name and version. Its one-shot timer keeps it up at least 500 ms.
class TfrmSplash : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmSplash(QWidget *parent = nullptr);

    bool timerEnabled() const;
    // The splash agrees to close once its timer has fired.
    bool agreesToClose() const { return !timerEnabled(); }
    // Processes window messages until the timer has fired.
    void waitForTimer();

private:
    QTimer *Timer1;
};
