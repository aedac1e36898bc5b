#include "game/ReviewDraw.h"

#include "core/RandomSource.h"
#include "core/WordList.h"

#include <QSet>

ReviewDraw::ReviewDraw(std::function<bool()> isOn, std::function<QStringList()> troubleWords)
    : m_isOn(std::move(isOn))
    , m_troubleWords(std::move(troubleWords))
{
}

std::optional<QString> ReviewDraw::chooseWord(
    const WordList &words, const QString &lastWord, RandomSource &random)
{
    if (!m_isOn() || random.draw() >= Share)
        return std::nullopt;

    const QStringList trouble = m_troubleWords();
    if (trouble.isEmpty())
        return std::nullopt;
    QSet<QStringView> inList;
    inList.reserve(words.size());
    for (qsizetype i = 0; i < words.size(); ++i)
        inList.insert(words.at(i));
    QStringList candidates;
    for (const QString &word : trouble) {
        if (word != lastWord && inList.contains(word))
            candidates.append(word);
    }
    if (candidates.isEmpty())
        return std::nullopt;
    return candidates.at(RandomSource::indexFor(random.draw(), int(candidates.size())));
}
