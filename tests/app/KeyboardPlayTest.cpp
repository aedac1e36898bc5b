#include "app/LetterButton.h"
#include "support/ProgramFixture.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A key as the keyboard reports it: its code, the text it produces on the layout in use, and
// the modifiers held.
struct Key
{
    Qt::Key code;
    QString text;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

enum class Before { NoRound, Round, Loss, Editor };

class KeyboardPlayTest : public ProgramFixture
{
protected:
    void startRound()
    {
        startGame("\"IT'S-OK\"\r\n");
        window->findChild<QPushButton *>(u"cmdStart"_s)->click();
    }
    // Through the window system, so the key goes to whichever control has the focus.
    static void type(QWidget *target, const Key &key)
    {
        QTest::sendKeyEvent(
            QTest::Click, target->windowHandle(), key.code, key.text, key.modifiers);
    }
};

} // namespace

TEST_F(KeyboardPlayTest, aTypedCharacterPressesItsButtonOnlyWhereAClickWould)
{
    const Key i{Qt::Key_I, u"i"_s};
    const Key z{Qt::Key_Z, u"z"_s};
    const Key left{Qt::Key_Left, QString()};
    const struct
    {
        const char *what;
        Before before;
        QList<Key> keys;
        QString slots;
        int misses;
        int sounds;
    } cases[]{
        {"lower case", Before::Round, {i}, u"I______"_s, 0, 0},
        {"the whole word, apostrophe and hyphen too, wins with its sound", Before::Round,
            {i, {Qt::Key_T, u"t"_s}, {Qt::Key_Apostrophe, u"'"_s}, {Qt::Key_S, u"s"_s},
                {Qt::Key_Minus, u"-"_s, Qt::KeypadModifier}, {Qt::Key_O, u"o"_s},
                {Qt::Key_K, u"k"_s}},
            u"IT'S-OK"_s, 0, 1},
        {"a guessed letter counts once", Before::Round, {z, z}, u"_______"_s, 1, 0},
        {"no round yet", Before::NoRound, {i}, QString(), 0, 0},
        {"Alt+N presses New Word", Before::NoRound, {{Qt::Key_N, u"n"_s, Qt::AltModifier}},
            u"_______"_s, 0, 0},
        {"Enter starts a new word", Before::Round, {i, {Qt::Key_Return, u"\r"_s}}, u"_______"_s, 0,
            0},
        // From New Word: Tab to A, back round to New Word and on to the hyphen, which Space
        // presses.
        {"Tab, arrows and Space", Before::Round,
            {{Qt::Key_Tab, QString()}, left, left, {Qt::Key_Space, u" "_s}}, u"____-__"_s, 0, 0},
        {"after a loss", Before::Loss, {i}, u"_______"_s, 6, 0},
        {"typed into the editor", Before::Editor, {i}, u"_______"_s, 0, 0},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.what);
        window.reset();
        state = GameState();
        window = std::make_unique<MainWindow>(
            state, Services{messages, dialogs, files, player, random, speaker});
        if (row.before == Before::NoRound)
            startGame("\"IT'S-OK\"\r\n");
        else
            startRound();
        for (int wrong = 0; row.before == Before::Loss && wrong < 6; ++wrong)
            window->letterButton(1 + wrong)->click();
        QWidget *target = window.get();
        if (row.before == Before::Editor) {
            window->showWordListEditor();
            target = window->wordListEditor();
            ASSERT_TRUE(becomesActive(target));
        }
        player.played.clear();
        for (const Key &key : row.keys)
            type(target, key);
        // An access key shows its button down for a moment before it clicks.
        QTest::qWait(150);
        EXPECT_EQ(slots(), row.slots);
        EXPECT_EQ(window->round().misses(), row.misses);
        EXPECT_EQ(player.played.size(), row.sounds);
        if (row.before == Before::Editor) {
            EXPECT_EQ(target->findChild<QLineEdit *>(u"txtWord"_s)->text(), u"i"_s);
        }
    }
}

// A key held down repeats its press; only the first guesses, also when the window sees none but
// the repeats (the key went down before it had the focus).
TEST_F(KeyboardPlayTest, aHeldKeyIsOneGuess)
{
    startRound();
    const auto press = [](bool repeat) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_I, Qt::NoModifier, u"i"_s, repeat);
        QCoreApplication::sendEvent(QApplication::focusWidget(), &key);
    };
    press(true);
    EXPECT_EQ(slots(), u"_______"_s);
    press(false);
    press(true);
    EXPECT_EQ(slots(), u"I______"_s);
    EXPECT_EQ(window->round().misses(), 0);
}

TEST_F(KeyboardPlayTest, aTypedLetterShowsItsButtonDownForAMoment)
{
    startRound();
    LetterButton *z = window->letterButton(25);
    const auto face = [z] { return z->grab().toImage().pixelColor(3, z->height() / 2); };
    z->click();
    const QColor used = face();
    window->findChild<QPushButton *>(u"cmdStart"_s)->click();

    type(window.get(), {Qt::Key_Z, u"z"_s});
    EXPECT_LT(face().lightness(), used.lightness());
    EXPECT_TRUE(QTest::qWaitFor([&] { return face() == used; }));
}
