#pragma once

#include "classrecord/ClassView.h"

#include <QAbstractTableModel>

// The class's players, one a row, for a table view: their rounds this week and in all, on how
// many of the class's computers they played, and their trouble words.
class ClassPlayersModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Name, PlayedThisWeek, WonThisWeek, PlayedInAll, Computers, Trouble, ColumnCount };
    Q_ENUM(Column)

    using QAbstractTableModel::QAbstractTableModel;

    void setPlayers(const QList<ClassView::Player> &players);
    const QList<ClassView::Player> &players() const { return m_players; }

    // "FRIEND (3), SAID (1)": the words most troubled first, with their trouble tries.
    static QString troubleText(const QList<ClassView::TroubleWord> &words);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<ClassView::Player> m_players;
};
