#pragma once

#include "platform/PracticeRecordStore.h"
#include "progress/RowTableModel.h"
#include "record/PracticeFigures.h"
#include "record/TroubleWords.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

class ProgressView;

// What the progress window shows of one player's record, what it prints and what it exports.
// The tables are models, shown, printed and written from the same rows.
class ProgressReport
{
public:
    using ListModel = RowTableModel<PracticeFigures::List>;
    using TroubleModel = RowTableModel<TroubleWords::Standing>;
    using RoundModel = RowTableModel<PracticeRound>;

    ProgressReport(const QString &player, const PracticeSummary &summary, QDate today);

    const PracticeFigures &figures() const { return m_figures; }
    // Most troubled first, then by word.
    const QList<TroubleWords::Standing> &troubleWords() const { return m_trouble.rows(); }
    const ListModel &lists() const { return m_lists; }
    const TroubleModel &trouble() const { return m_trouble; }

    void showOn(ProgressView &view);
    // The whole report as a document to print or save as PDF.
    QString html() const;

    static QString tallyText(const PracticeFigures::Tally &tally);
    // Every round, one a line, for a spreadsheet.
    static QByteArray csv(const QList<PracticeRound> &rounds);

private:
    QString chartDescription() const;

    QString m_player;
    PracticeFigures m_figures;
    ListModel m_lists;
    TroubleModel m_trouble;
};
