#include "windows/HelpTopicTexts.h"
#include "core/GameState.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(HelpTopicTexts, listsEightNumberedTitlesInOrder)
{
    const QStringList expected = {u"1. Opening Title Screen"_s, u"2. Playing the Game"_s,
        u"3. Word Lists"_s, u"4. Your Own Word Lists"_s, u"5. Removing a Word List"_s,
        u"6. Setting Options"_s, u"7. Getting Help"_s, u"8. Quitting the Game"_s};
    EXPECT_EQ(HelpTopicTexts::titles(), expected);
    for (int i = 0; i < HelpTopicTexts::Count; ++i)
        EXPECT_EQ(HelpTopicTexts::title(i), expected.at(i));

    EXPECT_TRUE(HelpTopicTexts::title(-1).isEmpty());
    EXPECT_TRUE(HelpTopicTexts::title(8).isEmpty());
    EXPECT_TRUE(HelpTopicTexts::text(8).isEmpty());
    EXPECT_TRUE(HelpTopicTexts::paragraphs(-1).isEmpty());
}

TEST(HelpTopicTexts, joinsParagraphsWithOneEmptyLineAndNothingAround)
{
    const QString playing = HelpTopicTexts::text(1);
    const QStringList paragraphs = playing.split(u"\n\n"_s);
    ASSERT_EQ(paragraphs.size(), 5);
    EXPECT_EQ(paragraphs, HelpTopicTexts::paragraphs(1));
    // Four separators of two line breaks each, and no other line break anywhere.
    EXPECT_EQ(playing.count(u'\n'), 8);
    EXPECT_EQ(playing.count(u'\r'), 0);
    EXPECT_TRUE(playing.startsWith(u"The main game screen first displays an empty gallows"_s));
    EXPECT_TRUE(playing.endsWith(u"for starting another round of Wordrow."_s));

    const QList<qsizetype> paragraphCounts = {1, 5, 2, 5, 1, 2, 3, 1};
    for (int i = 0; i < HelpTopicTexts::Count; ++i) {
        const QString text = HelpTopicTexts::text(i);
        EXPECT_EQ(HelpTopicTexts::paragraphs(i).size(), paragraphCounts.at(i)) << i;
        EXPECT_EQ(text, text.trimmed()) << i;
        for (const QString &paragraph : HelpTopicTexts::paragraphs(i))
            EXPECT_FALSE(paragraph.isEmpty()) << i;
    }
    EXPECT_FALSE(HelpTopicTexts::text(0).contains(u'\n'));
}

TEST(HelpTopicTexts, keepsTheWordingAndTheTwoSpacesAfterEachFullStop)
{
    EXPECT_EQ(HelpTopicTexts::text(0),
        u"The first time you run Wordrow, a title screen will appear.  Click on the OK button to "
        u"go directly to the Wordrow game from there.  You have the option of checking the box on "
        u"the lower left corner of the screen.  This will set the option not to show this screen "
        u"when the program is run again."_s);
    EXPECT_EQ(HelpTopicTexts::text(7),
        u"When you are finished playing the game, you can exit the program.  You can do this "
        u"either by clicking on Exit in the File menu or else by clicking on the X in the "
        u"close-window box in the upper right corner of the screen.  You will be asked if you "
        u"really want to quit.  If you do, click Yes.  If not, click No."_s);

    EXPECT_TRUE(HelpTopicTexts::text(1).contains(
        u"Secondly, the buttons of the alphabet (as well as ' and -) are activated.  Now"_s));
    EXPECT_TRUE(HelpTopicTexts::text(3).contains(u"You can type in a word list of your own"_s));
    EXPECT_TRUE(HelpTopicTexts::text(3).contains(
        u"just highlight the word in the list by clicking on it.  Then click the Remove"_s));
    EXPECT_TRUE(HelpTopicTexts::text(3).endsWith(
        u"study weekly spelling lists -- or maybe a list of words to try to stump your friends "
        u"with when they play the game."_s));
    EXPECT_TRUE(HelpTopicTexts::text(6).contains(
        u"brought you to this help screen:  by clicking on Topics under the Help menu."_s));
    EXPECT_TRUE(HelpTopicTexts::text(6).endsWith(
        u"To check on this version of Wordrow - and maybe a bit more - click on About Wordrow in "
        u"the Help menu."_s));
    EXPECT_TRUE(HelpTopicTexts::text(5).contains(
        u"a sound, like a beep, will be made over your computer's built-in speaker."_s));

    // No sentence lost its second space.
    for (int i = 0; i < HelpTopicTexts::Count; ++i) {
        for (const QString &paragraph : HelpTopicTexts::paragraphs(i)) {
            const QString single = QString(paragraph).replace(u".  "_s, u"##"_s);
            EXPECT_FALSE(single.contains(u". "_s)) << i << ": " << paragraph.toStdString();
        }
    }
}

TEST(HelpTopicTexts, everyTopicHasItsText)
{
    const std::array<QString, HelpTopicTexts::Count> all = HelpTopicTexts::texts();
    for (int i = 0; i < HelpTopicTexts::Count; ++i) {
        EXPECT_EQ(all[i], HelpTopicTexts::text(i)) << i;
        EXPECT_FALSE(all[i].isEmpty()) << i;
    }
}
