#include "game/RoundFixture.h"
#include "game/SpeechCoach.h"
#include "support/FakeMainWindowView.h"
#include "support/FakeSpeaker.h"
#include "support/TempDir.h"

namespace {

enum class Step { NewWord, Win, Lose, SoundEnds, SayAgain };
using enum Step;
using MenuItem = MainWindowView::MenuItem;

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
        coach.start(home.path());
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
    FakeMainWindowView menus;
    FakeSpeaker speaker;
    SpeechCoach coach{speaker, sound, menus};
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
    ::testing::Values(
        Speech{"won", true, false, false, true, true, {NewWord, Win, SoundEnds},
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
        Speech{"no engine", true, true, false, true, false,
            {NewWord, SayAgain, Win, SoundEnds}, {u"stop"_s, u"(sound ends)"_s}}),
    [](const auto &info) {
        QString name = QString::fromLatin1(info.param.name);
        return name.remove(u' ').toStdString();
    });

TEST_F(SpeechCoachTest, MenuFollowsTheRoundTheEngineAndThePreferences)
{
    EXPECT_TRUE(menus.menus[MenuItem::SayAtRoundEnd].checked);
    EXPECT_FALSE(menus.menus[MenuItem::SayNewWord].checked);
    startWith(u"CAT"_s);
    EXPECT_TRUE(menus.menus[MenuItem::SayAgain].enabled);
    guessAll(u"CAT"_s);
    EXPECT_FALSE(menus.menus[MenuItem::SayAgain].enabled);

    coach.setSayEachNewWord(true);
    SpeechCoach later{speaker, sound, menus};
    later.start(home.path());
    EXPECT_TRUE(menus.menus[MenuItem::SayNewWord].checked) << "the option was not kept";

    EXPECT_TRUE(menus.menus[MenuItem::SpellingTest].enabled);
    speaker.becomeUnavailable(u"No engine here."_s);
    for (const MenuItem item : {MenuItem::SayAgain, MenuItem::SayAtRoundEnd, MenuItem::SayNewWord,
             MenuItem::SpellingTest}) {
        EXPECT_FALSE(menus.menus[item].enabled);
        EXPECT_EQ(menus.menus[item].toolTip, u"No engine here."_s);
    }
}

} // namespace
