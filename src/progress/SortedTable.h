#pragma once

class QAbstractItemModel;
class QString;
class QTableView;
class QWidget;

// The read-only tables of the progress window and the class view, alike: whole rows selected,
// sorted by a click on a heading.
namespace SortedTable {

QTableView *create(const QString &name, QWidget *parent);
// Until a heading is clicked the rows keep the model's own order, as printed. The widest column
// takes the room; the others keep to their width.
void show(QTableView *view, QAbstractItemModel *model, int widest = 0);

} // namespace SortedTable
