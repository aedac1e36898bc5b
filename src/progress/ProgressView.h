#pragma once

#include "record/PracticeFigures.h"

#include <QList>
#include <QString>

class QAbstractItemModel;

// The progress window as its report sees it: every figure arrives as text a screen reader can
// read, the chart's days also as numbers to draw, the tables as models the report keeps.
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
    virtual void showLists(QAbstractItemModel *lists) = 0;
    virtual void showTroubleWords(QAbstractItemModel *words) = 0;
    virtual void showSpellingTests(QAbstractItemModel *tests) = 0;
};
