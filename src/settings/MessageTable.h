#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The four captions of the run controls, in their list order.
enum class RunCaption { Start = 0, Pause = 1, Stop = 2, Resume = 3 };

// The numbered texts of every message the program shows or logs (0 to 50) and the
// run-control captions. A language file replaces entries by key; SetDefaultMessages
// puts the built-in English texts back.
class MessageTable
{
public:
    static constexpr int Count = 51;

    MessageTable();

    void SetDefaultMessages();

    QString text(int number) const;
    void setText(int number, const QString &text);

    // The language-file key of an entry and its place among the texts of that key
    // (0 = first, 1 = second, 2 = third); key 0 when the entry has no key.
    static int key(int number);
    static int keyPart(int number);
    // Entries carried by one key, in the order of the "|"-separated parts.
    static QList<int> entriesOfKey(int key);

    QString caption(RunCaption which) const;
    void setCaption(RunCaption which, const QString &text);

private:
    std::array<QString, Count> m_texts;
    std::array<QString, 4> m_captions;
};
