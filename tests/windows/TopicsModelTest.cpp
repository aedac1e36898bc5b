#include "TopicsModel.h"
#include "FakeTopicsView.h"
#include "HelpTopics.h"
#include "Module1.h"
#include "RecordingSoundPlayer.h"
#include "TempDir.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class TopicsModelTest : public ::testing::Test
{
protected:
    TopicsModelTest()
    {
        state.varHomeDir = dir.path();
        state.blnSoundCard = true;
        view.model = &model;
    }

    TempDir dir;
    Module1 state;
    RecordingSoundPlayer player;
    FakeTopicsView view;
    TopicsModel model{state, view, player};
};

} // namespace

TEST_F(TopicsModelTest, loadingListsTheTitlesAndShowsTheFirstTopicFromItsStart)
{
    state.strTopicText.fill(u"stale"_s);
    model.Form_Load();

    EXPECT_EQ(view.titles, HelpTopics::titles());
    EXPECT_EQ(view.selected, 0);
    EXPECT_EQ(view.heading, u"1. Opening Title Screen"_s);
    // Every text shown, the one the selection brought included, is already the built one.
    ASSERT_FALSE(view.descriptions.isEmpty());
    for (const QString &shown : view.descriptions)
        EXPECT_EQ(shown, HelpTopics::text(0));
    for (int i = 0; i < HelpTopics::Count; ++i)
        EXPECT_EQ(state.strTopicText[i], HelpTopics::text(i)) << i;
    EXPECT_TRUE(player.played.isEmpty());
}

TEST_F(TopicsModelTest, choosingATopicShowsItsTitleAndItsStoredText)
{
    model.Form_Load();
    model.lstContents_Click(1);
    EXPECT_EQ(view.heading, u"2. Playing the Game"_s);
    EXPECT_EQ(view.description(), HelpTopics::text(1));

    model.lstContents_Click(7);
    EXPECT_EQ(view.heading, u"8. Quitting the Game"_s);
    EXPECT_EQ(view.description(), state.strTopicText[7]);

    // The text comes from the shared state, which the next opening builds again.
    state.strTopicText[4] = u"changed"_s;
    model.lstContents_Click(4);
    EXPECT_EQ(view.description(), u"changed"_s);
    FakeTopicsView again;
    TopicsModel reopened(state, again, player);
    again.model = &reopened;
    reopened.Form_Load();
    EXPECT_EQ(state.strTopicText[4], HelpTopics::text(4));
    EXPECT_EQ(again.titles.size(), 8);
}

TEST_F(TopicsModelTest, aPositionOutsideTheListChangesNothing)
{
    model.Form_Load();
    model.lstContents_Click(2);
    const qsizetype shown = view.descriptions.size();
    for (int position : {-1, 8, 1000}) {
        model.lstContents_Click(position);
        EXPECT_EQ(view.heading, u"3. Word Lists"_s);
        EXPECT_EQ(view.descriptions.size(), shown);
    }
}

TEST_F(TopicsModelTest, closingPlaysTheLaserOnlyWithSoundsOnAndACardAndNeverBeeps)
{
    model.Form_Unload();
    EXPECT_EQ(player.played, QStringList{dir.path() + u"/Laser.wav"_s});

    state.blnSoundOff = true;
    model.Form_Unload();
    state.blnSoundOff = false;
    state.blnSoundCard = false;
    model.Form_Unload();
    EXPECT_EQ(player.played.size(), 1);
    EXPECT_EQ(player.beeps, 0);
}
