#include "windows/HelpTopics.h"
#include "core/GameState.h"
#include "support/RecordingSoundPlayer.h"
#include "support/TempDir.h"
#include "windows/FakeHelpTopicsView.h"
#include "windows/HelpTopicTexts.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class HelpTopicsTest : public ::testing::Test
{
protected:
    HelpTopicsTest()
    {
        state.homeDir = dir.path();
        state.soundCardFound = true;
        view.model = &model;
    }

    TempDir dir;
    GameState state;
    RecordingSoundPlayer player;
    FakeHelpTopicsView view;
    HelpTopics model{state, view, player};
};

} // namespace

TEST_F(HelpTopicsTest, loadingListsTheTitlesAndShowsTheFirstTopicFromItsStart)
{
    model.open();

    EXPECT_EQ(view.titles, HelpTopicTexts::titles());
    EXPECT_EQ(view.selected, 0);
    EXPECT_EQ(view.heading, u"1. Opening Title Screen"_s);
    // Every text shown, the one the selection brought included, is already the built one.
    ASSERT_FALSE(view.descriptions.isEmpty());
    for (const QString &shown : view.descriptions)
        EXPECT_EQ(shown, HelpTopicTexts::text(0));
    EXPECT_TRUE(player.played.isEmpty());
}

TEST_F(HelpTopicsTest, choosingATopicShowsItsTitleAndItsText)
{
    model.open();
    model.showTopic(1);
    EXPECT_EQ(view.heading, u"2. Playing the Game"_s);
    EXPECT_EQ(view.description(), HelpTopicTexts::text(1));

    model.showTopic(7);
    EXPECT_EQ(view.heading, u"8. Quitting the Game"_s);
    EXPECT_EQ(view.description(), HelpTopicTexts::text(7));

    FakeHelpTopicsView again;
    HelpTopics reopened(state, again, player);
    again.model = &reopened;
    reopened.open();
    reopened.showTopic(4);
    EXPECT_EQ(again.description(), HelpTopicTexts::text(4));
    EXPECT_EQ(again.titles.size(), 8);
}

TEST_F(HelpTopicsTest, aPositionOutsideTheListChangesNothing)
{
    model.open();
    model.showTopic(2);
    const qsizetype shown = view.descriptions.size();
    for (int position : {-1, 8, 1000}) {
        model.showTopic(position);
        EXPECT_EQ(view.heading, u"3. Word Lists"_s);
        EXPECT_EQ(view.descriptions.size(), shown);
    }
}

TEST_F(HelpTopicsTest, closingPlaysTheLaserOnlyWithSoundsOnAndACardAndNeverBeeps)
{
    model.close();
    EXPECT_EQ(player.played, QStringList{dir.path() + u"/Laser.wav"_s});

    state.soundsOff = true;
    model.close();
    state.soundsOff = false;
    state.soundCardFound = false;
    model.close();
    EXPECT_EQ(player.played.size(), 1);
    EXPECT_EQ(player.beeps, 0);
}
