#include "game/RoundFixture.h"

namespace {

// Writes down what the round tells it.
class RecordingObserver : public RoundObserver
{
public:
    void roundStarted(const QString &word) override { started.append(word); }
    void roundEnded(const Round &round) override { ended.append(round); }

    QStringList started;
    QList<Round> ended;
};

using Result = RoundResult;

struct ObservedRound
{
    const char *name;
    QString word;
    QString guesses;
    bool newWordAfter;
    std::optional<RoundObserver::Round> ended;
};

class RoundObserverTest : public RoundFixture, public ::testing::WithParamInterface<ObservedRound>
{
};

TEST_P(RoundObserverTest, HearsTheStartAndTheEndWithTheMissesInOrder)
{
    const ObservedRound &c = GetParam();
    RecordingObserver observer;
    round.addObserver(&observer);

    startWith(c.word);
    random.runOn = true;
    EXPECT_TRUE(round.isInRound());
    guessAll(c.guesses);
    if (c.newWordAfter) {
        random.script({0.0});
        round.startRound();
    }

    EXPECT_EQ(observer.started.first(), c.word);
    ASSERT_EQ(observer.ended.size(), c.ended ? 1 : 0);
    if (c.ended) {
        EXPECT_EQ(observer.ended.first(), *c.ended);
    }
    // A new word starts a new round; a round left as it was is still in play.
    EXPECT_EQ(round.isInRound(), c.newWordAfter || !c.ended);
}

INSTANTIATE_TEST_SUITE_P(Rounds, RoundObserverTest,
    ::testing::Values(
        ObservedRound{"won", u"CAT"_s, u"CXAT"_s, false, {{u"CAT"_s, Result::Won, 1, u"X"_s}}},
        ObservedRound{
            "lost", u"CAT"_s, u"BDEFGH"_s, false, {{u"CAT"_s, Result::Lost, 6, u"BDEFGH"_s}}},
        ObservedRound{
            "abandoned", u"CAT"_s, u"QC"_s, true, {{u"CAT"_s, Result::Abandoned, 1, u"Q"_s}}},
        ObservedRound{"going on", u"CAT"_s, u"C"_s, false, std::nullopt}),
    [](const auto &info) {
        QString name = QString::fromLatin1(info.param.name);
        return name.remove(u' ').toStdString();
    });

} // namespace
