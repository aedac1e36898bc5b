#include "classrecord/ClassTables.h"

#include <QHash>
#include <QStringList>

using namespace Qt::StringLiterals;

QList<ClassTables::PlayersModel::Column> ClassTables::playerColumns()
{
    using Player = ClassView::Player;
    return {
        {u"Player"_s, [](const Player &p) { return p.name; }},
        {u"Played this week"_s, [](const Player &p) { return p.playedThisWeek; }},
        {u"Won this week"_s, [](const Player &p) { return p.wonThisWeek; }},
        {u"Played in all"_s, [](const Player &p) { return p.playedInAll; }},
        {u"Computers"_s, [](const Player &p) { return p.computers; }},
        {u"Trouble words"_s, [](const Player &p) { return troubleText(p.troubleWords); }},
    };
}

QList<ClassTables::WordsModel::Column> ClassTables::wordColumns()
{
    using Word = ClassView::Word;
    return {
        {u"Word"_s, [](const Word &w) { return w.word; }},
        {u"Misses"_s, [](const Word &w) { return w.misses; }},
        {u"Rounds lost"_s, [](const Word &w) { return w.lost; }},
        {u"Players"_s, [](const Word &w) { return w.players; }},
    };
}

QList<ClassTables::ListsModel::Column> ClassTables::listColumns()
{
    return {
        {u"List"_s, [](const ListRow &l) { return l.list.name; }},
        {u"Words"_s, [](const ListRow &l) { return int(l.list.words.size()); }},
        {u"Sentences"_s,
            [](const ListRow &l) {
                return int(l.list.sentences.size() - l.list.sentences.count(QString()));
            }},
        {u"This week"_s, [](const ListRow &l) { return l.list.thisWeek ? u"Yes"_s : QString(); }},
        {u"Changed"_s,
            [](const ListRow &l) {
                return l.list.updated.toLocalTime().toString(u"yyyy-MM-dd HH:mm");
            }},
        {u"Children"_s, [](const ListRow &l) { return l.figures.children; }},
        {u"Most missed"_s,
            [](const ListRow &l) {
                QStringList words;
                for (const ClassView::Word &word : l.figures.mostMissed)
                    words.append(word.word);
                return words.join(u", "_s);
            }},
        {u"First tests"_s, [](const ListRow &l) { return firstTestsText(l.figures.firstTests); }},
    };
}

QList<ClassTables::ListRow> ClassTables::listRows(
    const QList<ClassList> &lists, const QList<ClassView::ListFigures> &figures)
{
    QHash<QString, const ClassView::ListFigures *> byName;
    for (const ClassView::ListFigures &f : figures)
        byName.insert(f.name, &f);
    QList<ListRow> rows;
    rows.reserve(lists.size());
    for (const ClassList &list : lists) {
        const ClassView::ListFigures *found = byName.value(list.name);
        rows.append({list, found ? *found : ClassView::ListFigures{list.name, 0, {}, {}}});
    }
    return rows;
}

QString ClassTables::firstTestsText(const QList<ClassView::TestScore> &scores)
{
    QStringList parts;
    for (const ClassView::TestScore &score : scores)
        parts.append(score.player + u' ' + QString::number(score.right) + u" of "_s
            + QString::number(score.asked));
    return parts.join(u", "_s);
}

QString ClassTables::troubleText(const QList<ClassView::TroubleWord> &words)
{
    QStringList parts;
    for (const ClassView::TroubleWord &word : words)
        parts.append(word.word + u" ("_s + QString::number(word.tries) + u')');
    return parts.join(u", "_s);
}
