#include "progress/SortedTable.h"

#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QTableView>

QTableView *SortedTable::create(const QString &name, QWidget *parent)
{
    auto *view = new QTableView(parent);
    view->setAccessibleName(name);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->verticalHeader()->hide();
    // Rows as tall as their text, so that the tables show a few rows each even at twice the size.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return view;
}

void SortedTable::show(QTableView *view, QAbstractItemModel *model, int widest)
{
    auto *sorted = new QSortFilterProxyModel(view);
    sorted->setSourceModel(model);
    sorted->setSortLocaleAware(true);
    sorted->setSortCaseSensitivity(Qt::CaseInsensitive);
    view->setModel(sorted);
    view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    view->setSortingEnabled(true);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->horizontalHeader()->setSectionResizeMode(widest, QHeaderView::Stretch);
}
