#include "windows/HelpTopicTexts.h"

#include <QStringView>

#include <array>
#include <span>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView Titles[] = {
    u"1. Opening Title Screen",
    u"2. Playing the Game",
    u"3. Word Lists",
    u"4. Your Own Word Lists",
    u"5. Removing a Word List",
    u"6. Setting Options",
    u"7. Getting Help",
    u"8. Quitting the Game",
};

// Shown exactly as written, two spaces after each full stop included.
constexpr QStringView Topic1[] = {
    u"The first time you run Wordrow, a title screen will appear.  Click on the OK button "
    u"to go directly to the Wordrow game from there.  You have the option of checking the "
    u"box on the lower left corner of the screen.  This will set the option not to show "
    u"this screen when the program is run again.",
};

constexpr QStringView Topic2[] = {
    u"The main game screen first displays an empty gallows in the center.  There is a "
    u"display of the alphabet, an apostrophe, and a hyphen on separate buttons at the "
    u"bottom of the screen.  These are not ready to operate when the screen first "
    u"appears.  So no matter how much you may click them at this point, they will do "
    u"nothing yet.",
    u"In order to start the game you must first click the New Word button at the lower "
    u"right of the screen.  Once you do press the New Word button, several things happen.  "
    u"A group of gray squares appears.  These represent the letters of the target word "
    u"you will try to spell.  Secondly, the buttons of the alphabet (as well as ' and -) "
    u"are activated.  Now you can use them to pick letters for spelling the word in the "
    u"gray squares.",
    u"If you spell the word correctly before the man fully appears on the gallows, you "
    u"win the game, and you prevent the man from becoming a victim of the gallows.  For "
    u"every wrong letter you pick, one part of his body is placed on the gallows.  If you "
    u"choose incorrect letters for the number of times that it takes to place on the "
    u"gallows his head, his body, each of his arms, and each of his legs, then you (and "
    u"he) lose.  Each letter you have already chosen will be disabled so that you will "
    u"not be able to pick it again for the same word.  The letters that you choose "
    u"correctly will be displayed in their proper place in the gray squares of the target "
    u"word.",
    u"Each time you pick a letter, the man on the gallows will let you know how you are "
    u"doing.  You, of course, can also tell by noticing whether the letter that you "
    u"picked appears in one or more of the gray squares.  If so, that means you correctly "
    u"picked a letter of the word.  On the other hand, if a new part of the man's body "
    u"appears on the gallows, and no new letter appears among the gray squares, then you "
    u"know that you picked a wrong letter.",
    u"A round of the game ends when all the letters of the word are filled -- and the man "
    u"is freed from the gallows -- or else when the man becomes a victim of the gallows.  "
    u"At this point the alphabet buttons become inactive once more.  You can, then, click "
    u"the New Word button again to bring up another target word (empty gray squares) for "
    u"starting another round of Wordrow.",
};

// The same topic for the snowman pictures: only what names the gallows differs.
constexpr QStringView Topic2Snowman[] = {
    u"The main game screen first displays a snowman in the center.  There is a "
    u"display of the alphabet, an apostrophe, and a hyphen on separate buttons at the "
    u"bottom of the screen.  These are not ready to operate when the screen first "
    u"appears.  So no matter how much you may click them at this point, they will do "
    u"nothing yet.",
    Topic2[1],
    u"If you spell the word correctly before the snowman melts away, you win the game, "
    u"and you save the snowman from the warm sun.  For every wrong letter you pick, the "
    u"sun grows a little bigger and the snowman melts a little more.  If you choose "
    u"incorrect letters for the number of times that it takes the sun to melt his arms, "
    u"his body and his head into a puddle with his hat floating in it, then you (and "
    u"he) lose.  Each letter you have already chosen will be disabled so that you will "
    u"not be able to pick it again for the same word.  The letters that you choose "
    u"correctly will be displayed in their proper place in the gray squares of the target "
    u"word.",
    u"Each time you pick a letter, the snowman will let you know how you are "
    u"doing.  You, of course, can also tell by noticing whether the letter that you "
    u"picked appears in one or more of the gray squares.  If so, that means you correctly "
    u"picked a letter of the word.  On the other hand, if the sun grows and the snowman "
    u"melts a little more, and no new letter appears among the gray squares, then you "
    u"know that you picked a wrong letter.",
    u"A round of the game ends when all the letters of the word are filled -- and the "
    u"snowman cheers in fresh snow -- or else when the snowman melts into a puddle.  "
    u"At this point the alphabet buttons become inactive once more.  You can, then, click "
    u"the New Word button again to bring up another target word (empty gray squares) for "
    u"starting another round of Wordrow.",
};

constexpr QStringView Topic3[] = {
    u"The program comes with a built-in list of words.  Eventually there also may be "
    u"other lists you will be able to choose to use (See the next topic about making Your "
    u"Own Word Lists).  Each list of words is saved with a name.  The built-in list is "
    u"named Wordrow.  You can change the list of words that the game uses by clicking on "
    u"the File menu and choosing Load Another List.  This will allow you to select from "
    u"all the names of the word lists that have been saved.  You may want to do this if "
    u"you begin to notice the same words being repeated several times as you play the "
    u"game.  Select from the names available and click Open.  You will see on the title "
    u"bar at the top of the screen the path and file name that you have just chosen.  "
    u"Then, when you click New Word again, a word will be selected from this newly-loaded "
    u"list.",
    u"You can tell the program which word list you want it to start with when you run the "
    u"program again, by going to the File menu and clicking on Set Startup Wordlist.  "
    u"Select the name of the wordlist that you want the program to begin with next time "
    u"and click on Open.  That's all there is to it.",
};

constexpr QStringView Topic4[] = {
    u"You can type in a word list of your own by choosing Make New Wordlist from the File "
    u"menu.  This will bring up a small window to allow you to enter your list.",
    u"Type in each word in the white box in the upper left of the window.  Then press "
    u"ENTER, or else click on the Add to List button.  Either action will move the word "
    u"you just typed into the box titled Word List.",
    u"If you make a mistake or want to remove a word from the list, just highlight the "
    u"word in the list by clicking on it.  Then click the Remove from List button.  The "
    u"word will be gone.",
    u"Once you have entered all the words into your list, you are almost ready to save "
    u"it.  Before you do, you can, if you wish, set the list that you have just entered "
    u"to be the one which the game will load and use right away.  You can also set it to "
    u"be the one the game will start with when you run it again.  Click on the Yes or No "
    u"round option buttons to indicate your choices.  Now you are ready to save the list "
    u"by clicking on the Save List button.  This will bring up a window that will ask you "
    u"to type in a name for the list.  Call it whatever you like.  That will be the name "
    u"you will look for when you want to load it at some future time.  After typing in "
    u"the name, click on Save.  That's all there is to that.",
    u"Entering and saving your own word lists provides a fun way to study weekly spelling "
    u"lists -- or maybe a list of words to try to stump your friends with when they play "
    u"the game.",
};

constexpr QStringView Topic5[] = {
    u"If you decide to remove a list from your computer, you can select Delete from the "
    u"File menu.  It will take you to the files of word lists.  Click on the one you want "
    u"to remove.  That places it into the File Name box.  Then click on the Open button.  "
    u"Before it gets deleted, you will be asked a final time if you want to delete this "
    u"file.  If you click on Yes, the file will be gone.  If you click on No, it will "
    u"still be there.",
};

constexpr QStringView Topic6[] = {
    u"By clicking on the File menu and selecting Options, you can change the setting for "
    u"showing or not showing the opening title screen when you run the program again.  "
    u"You will not be able to select the current setting, since that is what the program "
    u"is now configured for.  The current setting will be disabled (grayed out with a "
    u"check mark beside it).  But you will be able to select the opposite setting if you "
    u"would like.  If you change your mind again, you can always come back to the menu "
    u"and change the setting once more.",
    u"In the Options area of the File menu you can also change the settings for the "
    u"sounds that the program plays.  The program always starts with the sounds turned "
    u"on.  You can choose to turn them off by clicking on Turn Off Sounds.  If you should "
    u"change your mind, just return to this menu item and click on Turn On Sounds.  The "
    u"sounds played by Wordrow depend on whether your computer has a sound card or not.  "
    u"If it does, you will hear all sorts of sounds at the end of each word round.  If "
    u"you have no sound card, a sound, like a beep, will be made over your computer's "
    u"built-in speaker.",
};

constexpr QStringView Topic7[] = {
    u"To get help, just click on Instruction Manual under the Help menu from the game "
    u"window.  That brings up the entire description of the game and the program.  By "
    u"clicking on Bookmarks once the Instruction Manual window is open, you can quickly "
    u"jump to the topic that you want to find.",
    u"You already know a second way to get help.  It is the way that brought you to this "
    u"help screen:  by clicking on Topics under the Help menu.",
    u"To check on this version of Wordrow - and maybe a bit more - click on About Wordrow "
    u"in the Help menu.",
};

constexpr QStringView Topic8[] = {
    u"When you are finished playing the game, you can exit the program.  You can do this "
    u"either by clicking on Exit in the File menu or else by clicking on the X in the "
    u"close-window box in the upper right corner of the screen.  You will be asked if you "
    u"really want to quit.  If you do, click Yes.  If not, click No.",
};

constexpr std::array<std::span<const QStringView>, HelpTopicTexts::Count> Topics
    = {Topic1, Topic2, Topic3, Topic4, Topic5, Topic6, Topic7, Topic8};

static_assert(std::size(Titles) == HelpTopicTexts::Count);
static_assert(std::size(Topic2Snowman) == std::size(Topic2));

bool isTopic(int position)
{
    return position >= 0 && position < HelpTopicTexts::Count;
}

std::span<const QStringView> topic(int position, PictureSet::Set pictures)
{
    if (position == 1 && pictures == PictureSet::Set::Snowman)
        return Topic2Snowman;
    return Topics[position];
}

} // namespace

QStringList HelpTopicTexts::titles()
{
    QStringList list;
    for (QStringView title : Titles)
        list.append(title.toString());
    return list;
}

QString HelpTopicTexts::title(int position)
{
    return isTopic(position) ? Titles[position].toString() : QString();
}

QStringList HelpTopicTexts::paragraphs(int position, PictureSet::Set pictures)
{
    QStringList list;
    if (!isTopic(position))
        return list;
    for (QStringView paragraph : topic(position, pictures))
        list.append(paragraph.toString());
    return list;
}

QString HelpTopicTexts::text(int position, PictureSet::Set pictures)
{
    return paragraphs(position, pictures).join(u"\n\n"_s);
}

std::array<QString, HelpTopicTexts::Count> HelpTopicTexts::texts(PictureSet::Set pictures)
{
    std::array<QString, Count> all;
    for (int i = 0; i < Count; ++i)
        all[i] = text(i, pictures);
    return all;
}
