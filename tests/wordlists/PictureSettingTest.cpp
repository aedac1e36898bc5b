#include "wordlists/PictureSetting.h"

#include "support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Set = PictureSet::Set;

namespace {

struct Case
{
    const char *name;
    QByteArray school; // the system-wide file; empty for none
    QByteArray user; // the user's preferences file; empty for none
    std::optional<Set> chosen; // what the user then clicks, if anything
    bool kept; // what choose() answers
    Set shown;
    bool locked;
    bool userFileAfter; // whether the user's file exists at the end
};

// The computer's set comes under the user's own, unless it is locked; a first start, or a choice of
// what applies anyway, writes nothing.
TEST(PictureSetting, FollowsTheUserThenTheComputerUnlessLocked)
{
    const QByteArray snowman = "[pictures]\nset=snowman\n";
    const QByteArray lockedSnowman = "[pictures]\nset=Snowman\nlocked=true\n";
    const QByteArray userGallows = "[pictures]\nset=gallows\n";
    const Case cases[] = {
        {"first start", {}, {}, {}, true, Set::Gallows, false, false},
        {"user's snowman", {}, "[pictures]\nset=snowman\n", {}, true, Set::Snowman, false, true},
        {"school's snowman", snowman, {}, {}, true, Set::Snowman, false, false},
        {"user over school", snowman, userGallows, {}, true, Set::Gallows, false, true},
        {"locked over user", lockedSnowman, userGallows, Set::Gallows, false, Set::Snowman, true,
            true},
        {"locked, no set", "[pictures]\nlocked=true\n", {}, Set::Snowman, false, Set::Gallows, true,
            false},
        {"lock not true", "[pictures]\nset=snowman\nlocked=yes\n", {}, Set::Gallows, true,
            Set::Gallows, false, true},
        {"unknown names", "[pictures]\nset=rope\n", "[pictures]\nset=noose\n", {}, true,
            Set::Gallows, false, true},
        {"garbage", QByteArray("\xff\x00[[=\n", 6), {}, {}, true, Set::Gallows, false, false},
        {"choose snowman", {}, {}, Set::Snowman, true, Set::Snowman, false, true},
        {"choose the default", {}, {}, Set::Gallows, true, Set::Gallows, false, false},
        {"choose the school's", snowman, {}, Set::Snowman, true, Set::Snowman, false, false},
        {"back to the school's", snowman, userGallows, Set::Snowman, true, Set::Snowman, false,
            true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir home;
        TempDir system;
        const QString schoolFile = c.school.isEmpty()
            ? system.filePath(u"none.ini"_s)
            : system.write(u"wordrow-preferences.ini"_s, c.school);
        if (!c.user.isEmpty())
            home.write(Preferences::FileName.toString(), c.user);
        PictureSetting setting(home.path(), schoolFile);
        if (c.chosen) {
            EXPECT_EQ(setting.choose(*c.chosen), c.kept);
        }
        EXPECT_EQ(setting.current(), c.shown);
        EXPECT_EQ(setting.isLocked(), c.locked);
        EXPECT_EQ(setting.lockReason().contains(schoolFile), c.locked);
        EXPECT_EQ(QFile::exists(home.filePath(Preferences::FileName.toString())), c.userFileAfter);
        // A second reader sees the same: the choice is kept, not only remembered.
        EXPECT_EQ(PictureSetting(home.path(), schoolFile).current(), c.shown);
    }
}

} // namespace
