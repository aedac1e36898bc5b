#include "spelling/SpellingMarking.h"

#include <QStringList>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

bool same(QChar a, QChar b)
{
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

} // namespace

bool SpellingMarking::isRight(QStringView typed, QStringView word)
{
    return typed.size() == word.size() && typed.compare(word, Qt::CaseInsensitive) == 0;
}

QList<SpellingMarking::Cell> SpellingMarking::compare(QStringView typed, QStringView word)
{
    // Edit distance over both strings, then back from the end along the cheapest path.
    const qsizetype rows = typed.size() + 1;
    const qsizetype columns = word.size() + 1;
    std::vector<int> cost(std::size_t(rows * columns));
    const auto at
        = [&](qsizetype t, qsizetype w) -> int & { return cost[std::size_t(t * columns + w)]; };
    for (qsizetype t = 0; t < rows; ++t)
        at(t, 0) = int(t);
    for (qsizetype w = 0; w < columns; ++w)
        at(0, w) = int(w);
    for (qsizetype t = 1; t < rows; ++t) {
        for (qsizetype w = 1; w < columns; ++w) {
            const int replace = at(t - 1, w - 1) + (same(typed[t - 1], word[w - 1]) ? 0 : 1);
            at(t, w) = std::min({replace, at(t - 1, w) + 1, at(t, w - 1) + 1});
        }
    }

    QList<Cell> cells;
    qsizetype t = typed.size();
    qsizetype w = word.size();
    while (t > 0 || w > 0) {
        // A letter for a letter first, so that a wrong letter is marked wrong rather than as one
        // missing and one too many.
        if (t > 0 && w > 0
            && at(t, w) == at(t - 1, w - 1) + (same(typed[t - 1], word[w - 1]) ? 0 : 1)) {
            const bool right = same(typed[t - 1], word[w - 1]);
            cells.prepend({right ? Mark::Right : Mark::Wrong, typed[t - 1], word[w - 1]});
            --t;
            --w;
        } else if (w > 0 && at(t, w) == at(t, w - 1) + 1) {
            cells.prepend({Mark::Missing, QString(), word[w - 1]});
            --w;
        } else {
            cells.prepend({Mark::Wrong, typed[t - 1], QString()});
            --t;
        }
    }
    return cells;
}

QString SpellingMarking::spoken(const QString &character)
{
    return character == u" "_s ? u"a space"_s : character;
}

QString SpellingMarking::description(const QList<Cell> &cells)
{
    QStringList marks;
    int letter = 0;
    for (const Cell &cell : cells) {
        if (!cell.expected.isEmpty())
            ++letter;
        const QString place = u" (letter "_s + QString::number(letter) + u')';
        switch (cell.mark) {
        case Mark::Right:
            break;
        case Mark::Wrong:
            if (cell.expected.isEmpty())
                marks.append(spoken(cell.typed) + u" is one too many (after letter "_s
                    + QString::number(letter) + u')');
            else
                marks.append(
                    spoken(cell.typed) + u" in place of "_s + spoken(cell.expected) + place);
            break;
        case Mark::Missing:
            marks.append(spoken(cell.expected) + u" is missing"_s + place);
            break;
        }
    }
    if (marks.isEmpty())
        return u"Every letter is right."_s;
    return marks.join(u"; "_s) + u'.';
}
