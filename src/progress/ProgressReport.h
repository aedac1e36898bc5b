#pragma once

#include "core/RowTableModel.h"
#include "platform/PracticeRecordStore.h"
#include "record/PracticeFigures.h"
#include "record/ReviewSchedule.h"
#include "record/SpellingTestResults.h"
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
    // A trouble word with where it stands in the review.
    struct TroubleRow
    {
        TroubleWords::Standing standing;
        ReviewSchedule::Word review;
    };
    using ListModel = RowTableModel<PracticeFigures::List>;
    using TroubleModel = RowTableModel<TroubleRow>;
    using RoundModel = RowTableModel<PracticeRound>;
    using TestModel = RowTableModel<SpellingTestResults::Test>;

    ProgressReport(const QString &player, const PracticeSummary &summary, QDate today);

    const PracticeFigures &figures() const { return m_figures; }
    const ListModel &lists() const { return m_lists; }
    // Most troubled first, then by word.
    const TroubleModel &trouble() const { return m_trouble; }
    // The spelling tests of the chart's weeks, the latest first.
    const TestModel &spellingTests() const { return m_tests; }

    void showOn(ProgressView &view);
    // The whole report as a document to print or save as PDF.
    QString html() const;

    static QString tallyText(const PracticeFigures::Tally &tally);
    static QString reviewText(const PracticeFigures::Review &review);
    static QString spellingTestsHeading();
    // Every round, one a line, for a spreadsheet: UTF-8 with a byte-order mark so that
    // spreadsheets read accented words right, CR LF line ends, quoted where a cell needs it.
    static QByteArray csv(const QList<PracticeRound> &rounds);

private:
    QString chartDescription() const;

    QString m_player;
    PracticeFigures m_figures;
    ListModel m_lists;
    TroubleModel m_trouble;
    TestModel m_tests;
};
