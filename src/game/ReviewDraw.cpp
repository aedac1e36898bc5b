#include "game/ReviewDraw.h"

#include "core/RandomSource.h"
#include "core/WordList.h"

#include <QSet>

namespace {

// The words that the list holds, other than the last round's, in their order.
QStringList inList(const QStringList &wanted, const WordList &words, const QString &lastWord)
{
    if (wanted.isEmpty())
        return {};
    QSet<QStringView> list;
    list.reserve(words.size());
    for (qsizetype i = 0; i < words.size(); ++i)
        list.insert(words.at(i));
    QStringList found;
    for (const QString &word : wanted) {
        if (word != lastWord && list.contains(word))
            found.append(word);
    }
    return found;
}

} // namespace

ReviewDraw::ReviewDraw(std::function<bool()> isOn, std::function<QStringList()> troubleWords,
    std::function<QStringList()> dueWords)
    : m_isOn(std::move(isOn))
    , m_troubleWords(std::move(troubleWords))
    , m_dueWords(std::move(dueWords))
{
}

std::optional<QString> ReviewDraw::chooseWord(
    const WordList &words, const QString &lastWord, RandomSource &random)
{
    if (!m_isOn())
        return std::nullopt;
    // A due word comes before anything else: the day is what the schedule is about.
    const QStringList due = inList(m_dueWords(), words, lastWord);
    if (!due.isEmpty())
        return due.front();
    if (random.draw() >= Share)
        return std::nullopt;

    const QStringList candidates = inList(m_troubleWords(), words, lastWord);
    if (candidates.isEmpty())
        return std::nullopt;
    return candidates.at(RandomSource::indexFor(random.draw(), int(candidates.size())));
}
