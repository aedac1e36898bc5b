#include "classrecord/ClassTables.h"

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
        {u"List"_s, [](const ClassList &l) { return l.name; }},
        {u"Words"_s, [](const ClassList &l) { return int(l.words.size()); }},
        {u"Sentences"_s,
            [](const ClassList &l) {
                return int(l.sentences.size() - l.sentences.count(QString()));
            }},
        {u"This week"_s, [](const ClassList &l) { return l.thisWeek ? u"Yes"_s : QString(); }},
        {u"Changed"_s,
            [](const ClassList &l) {
                return l.updated.toLocalTime().toString(u"yyyy-MM-dd HH:mm");
            }},
    };
}

QString ClassTables::troubleText(const QList<ClassView::TroubleWord> &words)
{
    QStringList parts;
    for (const ClassView::TroubleWord &word : words)
        parts.append(word.word + u" ("_s + QString::number(word.tries) + u')');
    return parts.join(u", "_s);
}
