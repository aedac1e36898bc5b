#include "record/SpellingTestResults.h"

#include <QMap>

using namespace Qt::StringLiterals;

QList<SpellingTestResults::Test> SpellingTestResults::of(const QList<PracticeRound> &rounds)
{
    QMap<QDateTime, Test> tests;
    for (const PracticeRound &round : rounds) {
        if (round.kind != RoundKind::Kind::SpellingTest || !round.testStarted.isValid())
            continue;
        Test &test = tests[round.testStarted];
        if (test.asked == 0) {
            test.started = round.testStarted;
            test.list = round.list;
        }
        ++test.asked;
        if (round.result == RoundResult::Won)
            ++test.right;
        else
            test.missed.append(round.word);
    }
    return tests.values();
}

QString SpellingTestResults::scoreText(int right, int asked)
{
    return QString::number(right) + u" of "_s + QString::number(asked) + u" right the first time"_s;
}
