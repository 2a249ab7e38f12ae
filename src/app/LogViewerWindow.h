#pragma once

#include <QDialog>

class QDialogButtonBox;
class QPlainTextEdit;

// The log of failed documents in a read-only window of the program's own, for a
// desktop that cannot open text files: fixed-width text scrolled to its last line, and
// a Close button. Showing it again reloads the file.
class LogViewerWindow : public QDialog
{
    Q_OBJECT

public:
    explicit LogViewerWindow(QWidget *parent = nullptr);

    void showLog(const QString &path);
    QPlainTextEdit *textView() const { return m_text; }

private:
    void scrollToEnd();
    static QString readTail(const QString &path);

    QPlainTextEdit *m_text;
    QDialogButtonBox *m_buttons = nullptr;
};
