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

    std::optional<QString> askText(
        const QString &text, const QString &title, const QString &suggested) override
    {
        shown.append({text, title, Icon::None, true, Answer::Yes});
        if (texts.isEmpty())
            return std::nullopt;
        return texts.takeFirst().value_or(suggested);
    }

    QList<Answer> answers; // an unscripted question is answered No
    // What is typed in each line asked for: nothing for the suggestion; none scripted cancels.
    QList<std::optional<QString>> texts;
    QList<Shown> shown;
};
