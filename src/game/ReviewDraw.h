#pragma once

#include "game/WordChooser.h"

#include <QStringList>

#include <functional>

// Brings the player's words back when the review is on: first a word due today on the review
// schedule that the list in play holds, and otherwise, about one round in three, one of the
// trouble words it holds. Off, it draws nothing, so the usual draw goes exactly as without it.
class ReviewDraw final : public WordChooser
{
public:
    static constexpr double Share = 1.0 / 3.0;

    // Due words come in the order to draw them.
    ReviewDraw(std::function<bool()> isOn, std::function<QStringList()> troubleWords,
        std::function<QStringList()> dueWords);

    std::optional<QString> chooseWord(
        const WordList &words, const QString &lastWord, RandomSource &random) override;

private:
    std::function<bool()> m_isOn;
    std::function<QStringList()> m_troubleWords;
    std::function<QStringList()> m_dueWords;
};
