#include "game/SentenceHint.h"
#include "game/RoundFixture.h"
#include "game/SpeechCoach.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakeSpeaker.h"
#include "support/TempDir.h"
#include "wordlists/Preferences.h"

#include <QAction>

namespace {

class SentenceHintTest : public RoundFixture, public RoundObserver
{
protected:
    SentenceHintTest()
    {
        state.sentences.set(u"THERE", u"There it is, over there!"_s);
        round.addObserver(&hint);
        round.addObserver(&coach);
        round.addObserver(this);
        coach.setSentenceSource([this](const QString &word) { return state.sentences.of(word); });
        coach.start(preferences);
        random.runOn = true;
    }

    void roundStarted(const QString &) override { }
    void roundEnded(const Round &ended) override { rounds.append(ended); }

    TempDir home;
    Preferences preferences{home.path()};
    FakeMessageBoxes messages;
    FakeSpeaker speaker;
    SentenceHint hint{round, messages};
    SpeechCoach coach{speaker, sound};
    QList<Round> rounds;
};

TEST_F(SentenceHintTest, ShowsTheSentenceWithTheWordBlankedAndTheRoundEndsHinted)
{
    EXPECT_FALSE(hint.action()->isEnabled()) << "no round yet";
    startWith(u"THERE"_s);
    ASSERT_TRUE(hint.action()->isEnabled());
    hint.action()->trigger();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(
        messages.shown[0].text, u"The word fits in this sentence:\n\n_____ it is, over _____!"_s);
    coach.sayAgain();
    EXPECT_EQ(speaker.calls.last(), u"say THERE / There it is, over there!"_s);
    guessAll(u"THER"_s);
    ASSERT_EQ(rounds.size(), 1);
    EXPECT_TRUE(rounds[0].hinted);
    EXPECT_FALSE(hint.action()->isEnabled());

    startWith(u"THEIR"_s);
    EXPECT_FALSE(hint.action()->isEnabled()) << "no sentence for this word";
    hint.showHint();
    guessAll(u"THEIR"_s);
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_FALSE(rounds.last().hinted);
}

TEST(Sentences, ChecksAndBlanksOnlyTheWordStandingOnItsOwn)
{
    using Check = Sentences::Check;
    EXPECT_EQ(Sentences::check(u"THERE", u"Put it over there."), Check::Fine);
    EXPECT_EQ(Sentences::check(u"THERE", u"There's the cat."), Check::LacksWord);
    EXPECT_EQ(Sentences::check(u"THERE", u"Is it over there\nor here?"), Check::ControlCharacter);
    EXPECT_EQ(Sentences::check(u"THERE", QString(251, u'a')), Check::TooLong);
    EXPECT_EQ(Sentences::check(u"THERE", u"  "), Check::Empty);
    EXPECT_EQ(
        Sentences::blanked(u"CAN'T", u"I can't, can you? Can't!"), u"I _____, can you? _____!");
}

} // namespace
