#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <utility>

// A read-only table of value rows: each column is a heading and the field of a row it shows, so a
// new column is one more entry. Numbers stay numbers, to sort as numbers and stand on the right.
template<typename Row>
class RowTableModel final : public QAbstractTableModel
{
public:
    struct Column
    {
        QString heading;
        std::function<QVariant(const Row &)> value;
    };

    explicit RowTableModel(QList<Column> columns, QList<Row> rows = {})
        : m_columns(std::move(columns))
        , m_rows(std::move(rows))
    {
    }

    const QList<Row> &rows() const { return m_rows; }
    void setRows(QList<Row> rows)
    {
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_rows.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_columns.size());
    }

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override
    {
        if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)
            || (role != Qt::DisplayRole && role != Qt::TextAlignmentRole))
            return {};
        const QVariant value = m_columns[index.column()].value(m_rows[index.row()]);
        if (role == Qt::DisplayRole)
            return value;
        return value.typeId() == QMetaType::Int ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
                                                : QVariant();
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0
            && section < m_columns.size())
            return m_columns[section].heading;
        return QAbstractTableModel::headerData(section, orientation, role);
    }

private:
    QList<Column> m_columns;
    QList<Row> m_rows;
};
