#pragma once

#include "spelling/SpellingMarking.h"

#include <QList>
#include <QString>
#include <QStringList>

// The spelling test's window as its rules see it. Every text arrives ready to show.
class SpellingTestView
{
public:
    virtual ~SpellingTestView() = default;

    // Where the test is: "Word 3 of 20".
    virtual void showWordNumber(const QString &text) = 0;
    // What the child is to do now.
    virtual void showPrompt(const QString &text) = 0;
    // How the last answer went; the cells mark a wrong one letter by letter (none for a right
    // one), the description says the same in words.
    virtual void showFeedback(
        const QString &text, const QList<SpellingMarking::Cell> &cells, const QString &description)
        = 0;
    // Empties the answer for the next word.
    virtual void clearAnswer() = 0;
    // The test is over: no more answers, the score and the words missed the first time.
    virtual void showEnd(const QString &score, const QStringList &missed) = 0;
};
