#pragma once

#include "classrecord/ClassView.h"

#include <QAbstractTableModel>

// The words the class misses most, one a row, for a table view.
class ClassWordsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Word, Misses, Lost, Players, ColumnCount };
    Q_ENUM(Column)

    using QAbstractTableModel::QAbstractTableModel;

    void setWords(const QList<ClassView::Word> &words);
    const QList<ClassView::Word> &words() const { return m_words; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<ClassView::Word> m_words;
};
