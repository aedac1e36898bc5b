#include "classrecord/ClassPlayersModel.h"

using namespace Qt::StringLiterals;

void ClassPlayersModel::setPlayers(const QList<ClassView::Player> &players)
{
    beginResetModel();
    m_players = players;
    endResetModel();
}

QString ClassPlayersModel::troubleText(const QList<ClassView::TroubleWord> &words)
{
    QStringList parts;
    for (const ClassView::TroubleWord &word : words)
        parts.append(word.word + u" ("_s + QString::number(word.tries) + u')');
    return parts.join(u", "_s);
}

int ClassPlayersModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_players.size());
}

int ClassPlayersModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ClassPlayersModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const ClassView::Player &player = m_players[index.row()];
    if (role == Qt::TextAlignmentRole) {
        const bool figure = index.column() != Name && index.column() != Trouble;
        return QVariant::fromValue(
            figure ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole)
        return {};
    switch (Column(index.column())) {
    case Name:
        return player.name;
    case PlayedThisWeek:
        return player.playedThisWeek;
    case WonThisWeek:
        return player.wonThisWeek;
    case PlayedInAll:
        return player.playedInAll;
    case Computers:
        return player.computers;
    case Trouble:
        return troubleText(player.troubleWords);
    case ColumnCount:
        break;
    }
    return {};
}

QVariant ClassPlayersModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (Column(section)) {
    case Name:
        return u"Player"_s;
    case PlayedThisWeek:
        return u"Played this week"_s;
    case WonThisWeek:
        return u"Won this week"_s;
    case PlayedInAll:
        return u"Played in all"_s;
    case Computers:
        return u"Computers"_s;
    case Trouble:
        return u"Trouble words"_s;
    case ColumnCount:
        break;
    }
    return {};
}
