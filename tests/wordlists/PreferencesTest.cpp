#include "wordlists/Preferences.h"

#include "support/TempDir.h"

#include <QFile>
#include <QSysInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Whatever is or is not in the file, the options read as their defaults.
TEST(Preferences, AMissingEmptyOrGarbageFileReadsAsTheDefaults)
{
    const QList<std::optional<QByteArray>> contents = {std::nullopt, QByteArray(),
        QByteArray("\x00\xff\xfe garbage [[[\n=\n", 18),
        QByteArray("[speech]\nsayWordAtRoundEnd=maybe\nsayEachNewWord=1\n[practice]\nplayer=\n")};
    for (const auto &bytes : contents) {
        TempDir home;
        Preferences preferences(home.path());
        if (bytes)
            home.write(Preferences::FileName.toString(), *bytes);
        EXPECT_TRUE(preferences.sayWordAtRoundEnd());
        EXPECT_FALSE(preferences.sayEachNewWord());
        EXPECT_EQ(preferences.player(), u"Player");
        EXPECT_FALSE(preferences.practiseTroubleWords());
        EXPECT_TRUE(preferences.classService().isEmpty());
        EXPECT_FALSE(preferences.computerName().isEmpty());
    }
}

TEST(Preferences, TheFileComesOnlyWithAnOptionChangedFromItsDefault)
{
    TempDir home;
    Preferences preferences(home.path());
    EXPECT_TRUE(preferences.setSayWordAtRoundEnd(true));
    EXPECT_TRUE(preferences.setPlayer(u"  Player "_s));
    EXPECT_TRUE(preferences.setClassService(u" "_s));
    EXPECT_TRUE(preferences.setComputerName(preferences.computerName()));
    EXPECT_FALSE(QFile::exists(preferences.path()));

    EXPECT_TRUE(preferences.setSayEachNewWord(true));
    EXPECT_TRUE(preferences.setPlayer(u"Sam"_s));
    EXPECT_TRUE(preferences.setSayWordAtRoundEnd(false));
    EXPECT_TRUE(preferences.setClassService(u"room4 "_s));
    EXPECT_TRUE(preferences.setComputerName(u"Room 4 PC 2"_s));
    EXPECT_TRUE(QFile::exists(preferences.path()));

    // Another game in the same folder reads what this one wrote.
    const Preferences other(home.path());
    EXPECT_TRUE(other.sayEachNewWord());
    EXPECT_FALSE(other.sayWordAtRoundEnd());
    EXPECT_EQ(other.player(), u"Sam");
    EXPECT_EQ(other.classService(), u"room4");
    EXPECT_EQ(other.computerName(), u"Room 4 PC 2");
}

// Computers cloned from one image share their host name: an id of each one's own tells them
// apart, the name shown before a class record is set is the one its rounds then go under, and an
// emptied name is that name again.
TEST(Preferences, ClonedComputersAreToldApartUnderTheNameShown)
{
    TempDir first, second;
    Preferences one(first.path());
    const QString shown = one.computerName();
    EXPECT_NE(shown, Preferences(second.path()).computerName());
    EXPECT_TRUE(shown.startsWith(QSysInfo::machineHostName()));

    EXPECT_TRUE(one.setClassService(u"room4"_s));
    EXPECT_TRUE(one.setComputerName(u"PC 2"_s));
    EXPECT_TRUE(one.setComputerName(u" "_s));
    EXPECT_EQ(Preferences(first.path()).computerName(), shown);
}

TEST(Preferences, AnOptionThatCannotBeWrittenSaysSo)
{
    // A file where the folder should be: not even root can write there.
    TempDir home;
    Preferences preferences(home.write(u"not-a-folder"_s, "x"));
    EXPECT_FALSE(preferences.setPractiseTroubleWords(true));
    EXPECT_FALSE(preferences.practiseTroubleWords());
}

} // namespace
