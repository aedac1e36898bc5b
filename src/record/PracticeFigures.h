#pragma once

#include "platform/PracticeRecordStore.h"
#include "record/ReviewSchedule.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>

// The figures of one player's games as the progress window shows them. Played rounds are those
// won or lost; a round left for a new word counts only as abandoned. Spelling-test answers are
// not counted here.
struct PracticeFigures
{
    static constexpr int ChartWeeks = 4;

    struct Tally
    {
        int played = 0;
        int won = 0;
        int abandoned = 0;

        void add(RoundResult result);
        bool operator==(const Tally &) const = default;
    };
    struct Day
    {
        QDate date;
        int won = 0;
        int lost = 0;

        bool operator==(const Day &) const = default;
    };
    struct List
    {
        QString name;
        Tally tally;

        bool operator==(const List &) const = default;
    };

    // Where the review schedule stands today.
    struct Review
    {
        int dueToday = 0;
        // Boxes 1 to 4.
        std::array<int, ReviewSchedule::BoxCount> inBox{};
        int knownThisWeek = 0;

        bool operator==(const Review &) const = default;
    };

    // The week runs from Monday.
    Tally thisWeek;
    Tally allTime;
    // Every day of the chart's weeks up to today, oldest first, days without rounds included.
    QList<Day> days;
    // The lists by name.
    QList<List> lists;
    Review review;

    // The Monday of the day's week: "this week" everywhere, the class's as the player's.
    static QDate weekStart(QDate day);
    // The first moment the chart shows: the rounds the summary must hold from then on.
    static QDateTime chartStart(QDate today);
    static PracticeFigures of(const PracticeSummary &summary, QDate today);
};
