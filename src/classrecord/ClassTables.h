#pragma once

#include "classrecord/ClassView.h"
#include "core/RowTableModel.h"
#include "platform/ClassListSource.h"

#include <QList>
#include <QString>

// The class view's tables, each a list of columns on the program's table model, as the
// player's own tables are: a new column is one more entry.
namespace ClassTables {

// The class's players, one a row: their rounds this week and in all, on how many of the class's
// computers they played, and their trouble words.
using PlayersModel = RowTableModel<ClassView::Player>;
// The words the class misses most, one a row.
using WordsModel = RowTableModel<ClassView::Word>;

// A list published to the class, with how the class does on it.
struct ListRow
{
    ClassList list;
    ClassView::ListFigures figures;
};
// The lists published to the class, one a row.
using ListsModel = RowTableModel<ListRow>;

// Each list with its figures; a list nobody played has none.
QList<ListRow> listRows(
    const QList<ClassList> &lists, const QList<ClassView::ListFigures> &figures);

QList<PlayersModel::Column> playerColumns();
QList<ListsModel::Column> listColumns();
QList<WordsModel::Column> wordColumns();

// "FRIEND (3), SAID (1)": the words most troubled first, with their trouble tries.
QString troubleText(const QList<ClassView::TroubleWord> &words);
// "Ava 8 of 10, Ben 6 of 10": each child's first test on a list.
QString firstTestsText(const QList<ClassView::TestScore> &scores);

} // namespace ClassTables
