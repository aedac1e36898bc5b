#pragma once

#include "record/TroubleWords.h"
#include "platform/PracticeRecordStore.h"
#include "record/PracticeFigures.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

class ProgressView;

// What the progress window shows of one player's record, what it prints and what it exports.
class ProgressReport
{
public:
    ProgressReport(const QString &player, const PracticeSummary &summary, QDate today);

    const PracticeFigures &figures() const { return m_figures; }
    const QList<TroubleWords::Word> &troubleWords() const { return m_trouble; }

    void showOn(ProgressView &view) const;
    // The whole report as a document to print or save as PDF.
    QString html() const;

    static QString tallyText(const PracticeFigures::Tally &tally);
    static QString reviewText(const PracticeFigures::Review &review);
    // Every round, one a line, for a spreadsheet: UTF-8 with a byte-order mark so that
    // spreadsheets read accented words right, CR LF line ends, quoted where a cell needs it.
    static QByteArray csv(const QList<PracticeRound> &rounds);

private:
    QString chartDescription() const;
    QList<QStringList> listRows() const;
    QList<QStringList> troubleRows() const;

    QString m_player;
    PracticeFigures m_figures;
    QList<TroubleWords::Word> m_trouble;
    QList<PracticeSummary::ScheduledWord> m_schedule;
    QDate m_today;
};
