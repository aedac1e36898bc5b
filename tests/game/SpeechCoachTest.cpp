#include "game/SpeechCoach.h"
#include "game/RoundFixture.h"
#include "support/FakeSpeaker.h"
#include "support/TempDir.h"
#include "wordlists/Preferences.h"

#include <QAction>

namespace {

enum class Step { NewWord, Win, Lose, SoundEnds, SayAgain };
using enum Step;

struct Speech
{
    const char *name;
    bool sayAtEnd;
    bool sayNewWord;
    bool soundsOff;
    bool soundCard;
    bool engine;
    std::vector<Step> steps;
    // The speaker's calls, with the end of the round's sound marked where it came.
    QStringList heard;
};

class SpeechCoachTest : public RoundFixture, public ::testing::WithParamInterface<Speech>
{
protected:
    void SetUp() override
    {
        round.addObserver(&coach);
        coach.start(preferences);
        random.runOn = true;
    }

    void run(Step step)
    {
        switch (step) {
        case NewWord:
            return startWith(u"CAT"_s);
        case Win:
            return guessAll(u"CAT"_s);
        case Lose:
            return guessAll(u"BDEFGH"_s);
        case SoundEnds:
            speaker.calls.append(u"(sound ends)"_s);
            return player.finishSound();
        case SayAgain:
            return coach.sayAgain();
        }
    }

    TempDir home;
    Preferences preferences{home.path()};
    FakeSpeaker speaker;
    SpeechCoach coach{speaker, sound};
};

TEST_P(SpeechCoachTest, SaysTheWordWhenAskedAndNeverOverAnother)
{
    const Speech &c = GetParam();
    coach.setSayAtRoundEnd(c.sayAtEnd);
    coach.setSayEachNewWord(c.sayNewWord);
    state.soundsOff = c.soundsOff;
    state.soundCardFound = c.soundCard;
    if (!c.engine)
        speaker.becomeUnavailable(u"No engine."_s);
    for (const Step step : c.steps)
        run(step);
    EXPECT_EQ(speaker.calls, c.heard);
}

INSTANTIATE_TEST_SUITE_P(Rounds, SpeechCoachTest,
    ::testing::Values(Speech{"won", true, false, false, true, true, {NewWord, Win, SoundEnds},
                          {u"stop"_s, u"prepare"_s, u"(sound ends)"_s, u"say CAT"_s}},
        Speech{"lost", true, false, false, true, true, {NewWord, Lose, SoundEnds},
            {u"stop"_s, u"prepare"_s, u"(sound ends)"_s, u"say CAT"_s}},
        Speech{"sounds off", true, false, true, true, true, {NewWord, Win},
            {u"stop"_s, u"prepare"_s, u"say CAT"_s}},
        Speech{"no sound card", true, false, false, false, true, {NewWord, Lose},
            {u"stop"_s, u"prepare"_s, u"say CAT"_s}},
        Speech{"new word", false, true, false, true, true, {NewWord, Win, SoundEnds},
            {u"stop"_s, u"say CAT"_s, u"(sound ends)"_s}},
        Speech{"again in a round only", false, false, false, true, true,
            {NewWord, SayAgain, Win, SoundEnds, SayAgain},
            {u"stop"_s, u"say CAT"_s, u"(sound ends)"_s}},
        Speech{"new round before the sound ends", true, false, false, true, true,
            {NewWord, Win, NewWord, SoundEnds},
            {u"stop"_s, u"prepare"_s, u"stop"_s, u"prepare"_s, u"(sound ends)"_s}},
        Speech{"no engine", true, true, false, true, false, {NewWord, SayAgain, Win, SoundEnds},
            {u"stop"_s, u"(sound ends)"_s}}),
    [](const auto &info) {
        QString name = QString::fromLatin1(info.param.name);
        return name.remove(u' ').toStdString();
    });

TEST_F(SpeechCoachTest, MenuFollowsTheRoundTheEngineAndThePreferences)
{
    EXPECT_TRUE(coach.sayAtRoundEndAction()->isChecked());
    EXPECT_FALSE(coach.sayNewWordAction()->isChecked());
    startWith(u"CAT"_s);
    EXPECT_TRUE(coach.sayAgainAction()->isEnabled());
    guessAll(u"CAT"_s);
    EXPECT_FALSE(coach.sayAgainAction()->isEnabled());

    // A click on the item is the command.
    coach.sayNewWordAction()->trigger();
    SpeechCoach later{speaker, sound};
    Preferences again(home.path());
    later.start(again);
    EXPECT_TRUE(later.sayNewWordAction()->isChecked()) << "the option was not kept";

    speaker.becomeUnavailable(u"No engine here."_s);
    for (const QAction *item :
        {later.sayAgainAction(), later.sayAtRoundEndAction(), later.sayNewWordAction()}) {
        EXPECT_FALSE(item->isEnabled());
        EXPECT_EQ(item->toolTip(), u"No engine here."_s);
    }
}

} // namespace
