#include "classrecord/ClassWordsModel.h"

using namespace Qt::StringLiterals;

void ClassWordsModel::setWords(const QList<ClassView::Word> &words)
{
    beginResetModel();
    m_words = words;
    endResetModel();
}

int ClassWordsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_words.size());
}

int ClassWordsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ClassWordsModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const ClassView::Word &word = m_words[index.row()];
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(index.column() == Word ? Qt::AlignLeft | Qt::AlignVCenter
                                                          : Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole)
        return {};
    switch (Column(index.column())) {
    case Word:
        return word.word;
    case Misses:
        return word.misses;
    case Lost:
        return word.lost;
    case Players:
        return word.players;
    case ColumnCount:
        break;
    }
    return {};
}

QVariant ClassWordsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (Column(section)) {
    case Word:
        return u"Word"_s;
    case Misses:
        return u"Misses"_s;
    case Lost:
        return u"Rounds lost"_s;
    case Players:
        return u"Players"_s;
    case ColumnCount:
        break;
    }
    return {};
}
