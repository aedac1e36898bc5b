#include "progress/ClassRecordSetup.h"
#include "progress/ClassRecordSetupView.h"
#include "support/FakeClassDatabase.h"
#include "support/TempDir.h"
#include "wordlists/Preferences.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct FakeSetupView final : ClassRecordSetupView
{
    void showSettings(const QString &s, const QString &t, const QString &c) override
    {
        service = s, teacher = t, computer = c;
    }
    void showDefaultComputer(const QString &name) override { defaultComputer = name; }
    void showTesting(bool on) override { testing = on; }
    void showWaiting(const QString &text) override { waiting = text; }
    void showOutcome(const QString &text, bool good) override { outcome = text, ok = good; }

    QString service, teacher, computer, defaultComputer, outcome, waiting;
    bool testing = false, ok = false;
};

TEST(ClassRecordSetup, ATestSaysWhatFailedAndOnlyAServiceNameIsTried)
{
    TempDir home;
    Preferences preferences(home.path());
    FakeSetupView view;
    const ClassProblem refused{ClassProblem::LoginRefused, u"password authentication failed"_s};
    ClassRecordSetup setup(preferences, FakeClassDatabase::factory(refused), view);
    setup.test(u"room 4"_s, {}, u"PC"_s);
    EXPECT_FALSE(view.testing);
    EXPECT_FALSE(view.ok);
    EXPECT_TRUE(view.outcome.contains(u"service name"));

    setup.test(u" room4 "_s, {}, u"PC"_s);
    EXPECT_TRUE(view.testing);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view.testing; }, 5000));
    EXPECT_EQ(view.outcome, refused.message(u"room4"_s));
    EXPECT_FALSE(view.ok);
}

TEST(ClassRecordSetup, KeepsAndClearsTheSettingsAndSaysWhenTheyChange)
{
    TempDir home;
    Preferences preferences(home.path());
    FakeSetupView view;
    ClassRecordSetup setup(preferences, FakeClassDatabase::factory({}), view);
    QSignalSpy changed(&setup, &ClassRecordSetup::changed);
    setup.load();
    EXPECT_EQ(view.computer, preferences.defaultComputerName());
    EXPECT_FALSE(setup.apply(u"room;4"_s, {}, u"PC 2"_s));
    EXPECT_TRUE(preferences.classService().isEmpty());
    EXPECT_TRUE(setup.apply(u"room4"_s, u"teacher4"_s, u" PC 2 "_s));
    EXPECT_TRUE(setup.apply(u"room4"_s, u"teacher4"_s, u"PC 2"_s));
    EXPECT_EQ(changed.size(), 1);
    EXPECT_EQ(Preferences(home.path()).computerName(), u"PC 2");
    EXPECT_EQ(Preferences(home.path()).teacherService(), u"teacher4");
    EXPECT_TRUE(setup.clear());
    EXPECT_TRUE(Preferences(home.path()).classService().isEmpty());
    EXPECT_TRUE(Preferences(home.path()).teacherService().isEmpty());
    EXPECT_TRUE(view.service.isEmpty());
    EXPECT_EQ(changed.size(), 2);
}

} // namespace
