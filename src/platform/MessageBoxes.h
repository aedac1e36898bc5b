#pragma once

#include <QString>

// Message boxes as the game asks for them: a text, a title, an icon, and OK or Yes and No.
// The program shows real ones; tests answer them from a script.
class MessageBoxes
{
public:
    enum class Icon { None, Information };
    enum class Answer { Yes, No };

    virtual ~MessageBoxes() = default;

    // A box with an OK button only.
    virtual void inform(const QString &text, const QString &title, Icon icon) = 0;
    // A box with Yes and No buttons; Enter picks defaultAnswer.
    virtual Answer ask(
        const QString &text, const QString &title, Icon icon, Answer defaultAnswer = Answer::Yes)
        = 0;
};
