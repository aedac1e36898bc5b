#pragma once

#include "platform/MessageBoxes.h"

#include <QList>

// Answers questions from a script and remembers every box shown.
class FakeMessageBoxes final : public MessageBoxes
{
public:
    struct Shown
    {
        QString text;
        QString title;
        Icon icon;
        bool question;
        Answer defaultAnswer;
    };

    void inform(const QString &text, const QString &title, Icon icon) override
    {
        shown.append({text, title, icon, false, Answer::Yes});
    }
    Answer ask(const QString &text, const QString &title, Icon icon, Answer defaultAnswer) override
    {
        shown.append({text, title, icon, true, defaultAnswer});
        return answers.isEmpty() ? Answer::No : answers.takeFirst();
    }

    QList<Answer> answers; // an unscripted question is answered No
    QList<Shown> shown;
};
