#pragma once

#include <QString>

#include <optional>

// Message boxes as the game asks for them: a text, a title, an icon, and OK, Yes and No, or a
// line to type.
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
    // A box with a line to type in, filled with suggested; nothing when cancelled.
    virtual std::optional<QString> askText(
        const QString &text, const QString &title, const QString &suggested)
        = 0;
};
