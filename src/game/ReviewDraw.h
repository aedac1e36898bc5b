#pragma once

#include "game/WordChooser.h"

#include <QStringList>

#include <functional>

// Brings the player's trouble words back: about one round in three, when the review is on, the
// word is one of them that the list in play holds. Off, it draws nothing, so the usual draw
// goes exactly as without it.
class ReviewDraw final : public WordChooser
{
public:
    static constexpr double Share = 1.0 / 3.0;

    ReviewDraw(std::function<bool()> isOn, std::function<QStringList()> troubleWords);

    std::optional<QString> chooseWord(
        const WordList &words, const QString &lastWord, RandomSource &random) override;

private:
    std::function<bool()> m_isOn;
    std::function<QStringList()> m_troubleWords;
};
