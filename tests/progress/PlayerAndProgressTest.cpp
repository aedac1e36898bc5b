#include "progress/DayChart.h"
#include "progress/PlayerDialog.h"
#include "progress/ProgressWindow.h"
#include "spelling/SpellingTestWindow.h"
#include "support/FakeClock.h"
#include "support/FakePracticeRecord.h"
#include "support/ProgramFixture.h"
#include "wordlists/Preferences.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

class PlayerAndProgressTest : public ProgramFixture
{
protected:
    void SetUp() override
    {
        window->setPracticeRecord(record, clock);
        startGame("\"CAT\"\r\n\"DOG\"\r\n");
    }
    QAction *item(const QString &name) const { return window->findChild<QAction *>(name); }

    FakePracticeRecord record;
    FakeClock clock{QDateTime::currentDateTime()};
};

TEST_F(PlayerAndProgressTest, PracticeItemsComeAfterASeparatorAndFollowThePlayer)
{
    const QMenu *practice = window->menuBar()->findChild<QMenu *>(u"mnuPractice"_s);
    ASSERT_TRUE(practice);
    QStringList names;
    for (const QAction *action : practice->actions())
        names.append(action->isSeparator() ? u"-"_s : action->objectName());
    // Later items may follow the class record.
    EXPECT_EQ(names.mid(names.indexOf(u"mnuPracticeClassRecord"_s) - 6, 7),
        (QStringList{u"-"_s, u"mnuPracticePlayer"_s, u"mnuPracticeProgress"_s,
            u"mnuPracticeSpellingTest"_s, u"mnuPracticeTroubleWords"_s, u"-"_s,
            u"mnuPracticeClassRecord"_s}));
    EXPECT_EQ(item(u"mnuPracticePlayer"_s)->text(), u"Pla&yer: Player..."_s);
    EXPECT_FALSE(item(u"mnuPracticeTroubleWords"_s)->isChecked());

    // The dialog: a new player is added, chosen, and the menu names them.
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<PlayerDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        dialog->nameEdit()->setText(u"Sam"_s);
        QTest::mouseClick(dialog->addButton(), Qt::LeftButton);
        dialog->accept();
    });
    item(u"mnuPracticePlayer"_s)->trigger();
    EXPECT_EQ(item(u"mnuPracticePlayer"_s)->text(), u"Pla&yer: Sam..."_s);
    EXPECT_EQ(Preferences(dir.path()).player(), u"Sam"_s);

    // The round that ends now is Sam's.
    QTest::mouseClick(window->findChild<QPushButton *>(u"cmdStart"_s), Qt::LeftButton);
    QTest::mouseClick(window->findChild<QPushButton *>(u"cmdStart"_s), Qt::LeftButton);
    ASSERT_EQ(record.kept.size(), 1);
    EXPECT_EQ(record.kept[0].player, u"Sam"_s);
    EXPECT_EQ(record.kept[0].list, u"wordrow.wdr"_s);
}

TEST_F(PlayerAndProgressTest, ProgressOpensOnceAndExportsTheRecordAtomically)
{
    record.kept.append({QDateTime::currentDateTime(), u"Player"_s, u"wordrow.wdr"_s, u"CAT"_s,
        RoundResult::Lost, 6, u"QWERTY"_s});
    item(u"mnuPracticeProgress"_s)->trigger();
    ProgressWindow *progress = window->progressWindow();
    ASSERT_TRUE(progress);
    item(u"mnuPracticeProgress"_s)->trigger();
    EXPECT_EQ(window->progressWindow(), progress);
    EXPECT_EQ(progress->tallyLabel(0)->text(), u"This week: 1 round played, 0 won"_s);
    EXPECT_EQ(progress->troubleTable()->model()->index(0, 0).data().toString(), u"CAT"_s);
    EXPECT_TRUE(progress->chart()->accessibleDescription().contains(u"0 won, 1 lost"_s));

    dialogs.choices.append(dir.filePath(u"sam.csv"_s));
    progress->exportAction()->trigger();
    EXPECT_EQ(dir.read(u"sam.csv"_s), ProgressReport::csv(record.kept));
    // A folder that is not there leaves nothing behind and says so.
    dialogs.choices.append(dir.filePath(u"gone/sam.csv"_s));
    progress->exportAction()->trigger();
    EXPECT_EQ(messages.shown.size(), 1);
}

// A test is the player's who started it: a player change closes it as its close button does, the
// word being said stopped and the answers given kept under that player, whether a progress window
// is open or not.
TEST_F(PlayerAndProgressTest, APlayerChangeClosesAnOpenSpellingTest)
{
    for (const QString &next : {u"Sam"_s, u"Ava"_s}) {
        const QString before = Preferences(dir.path()).player();
        if (next == u"Ava")
            item(u"mnuPracticeProgress"_s)->trigger();
        item(u"mnuPracticeSpellingTest"_s)->trigger();
        const QPointer<SpellingTestWindow> test = window->spellingTestWindow();
        ASSERT_TRUE(test && QTest::qWaitForWindowActive(test));
        QTest::keyClicks(test->answerEdit(), u"KAT"_s);
        QTest::keyClick(test->answerEdit(), Qt::Key_Return);
        speaker.calls.clear();
        QTimer::singleShot(0, [next] {
            auto *dialog = qobject_cast<PlayerDialog *>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            dialog->nameEdit()->setText(next);
            QTest::mouseClick(dialog->addButton(), Qt::LeftButton);
            dialog->accept();
        });
        item(u"mnuPracticePlayer"_s)->trigger();
        settle();
        EXPECT_FALSE(test) << next.toStdString();
        EXPECT_TRUE(speaker.calls.contains(u"stop"_s));
        ASSERT_FALSE(record.kept.isEmpty());
        EXPECT_EQ(record.kept.last().player, before);
    }
}

} // namespace
