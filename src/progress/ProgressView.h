#pragma once

#include "record/TroubleWords.h"
#include "record/PracticeFigures.h"

#include <QList>
#include <QString>

// The progress window as its report sees it: every figure arrives as text a screen reader can
// read, the chart's days also as numbers to draw.
class ProgressView
{
public:
    virtual ~ProgressView() = default;

    virtual void showPlayer(const QString &title) = 0;
    virtual void showTallies(const QString &thisWeek, const QString &allTime) = 0;
    // Where the review schedule stands: due today, in each box, known this week.
    virtual void showReview(const QString &review) = 0;
    // The days oldest first; the description says in words what the bars show.
    virtual void showDays(const QList<PracticeFigures::Day> &days, const QString &description) = 0;
    // Rows of cells, the first row the headings.
    virtual void showLists(const QList<QStringList> &rows) = 0;
    virtual void showTroubleWords(const QList<QStringList> &rows) = 0;
};
