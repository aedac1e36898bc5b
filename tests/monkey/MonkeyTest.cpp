#include "monkey/Monkey.h"

#include <QCoreApplication>
#include <QDateTime>

#include <gtest/gtest.h>

#include <iostream>

using namespace Qt::StringLiterals;

namespace {

// Enough for about a minute in an optimised build; the environment can ask for more or fewer.
constexpr long long DefaultActions = 60000;

quint64 seedFromEnvironment()
{
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("WORDROW_MONKEY_SEED").toULongLong(&ok);
    return ok ? seed : quint64(QDateTime::currentMSecsSinceEpoch());
}

long long actionsFromEnvironment()
{
    bool ok = false;
    const long long actions = qEnvironmentVariable("WORDROW_MONKEY_ACTIONS").toLongLong(&ok);
    return ok && actions >= 0 ? actions : DefaultActions;
}

// The offscreen platform warns at every raise() of a window; that would drown the report.
void quietPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
    if (message.startsWith(u"This plugin does not support"_s))
        return;
    standard(type, context, message);
}

} // namespace

TEST(MonkeyTest, randomClicksAndKeysOnEveryWindowKeepTheProgramSound)
{
    const quint64 seed = seedFromEnvironment();
    const long long actions = actionsFromEnvironment();
    const QString replay = u"WORDROW_MONKEY_SEED=%1 WORDROW_MONKEY_ACTIONS=%2 "
                           u"QT_QPA_PLATFORM=offscreen %3"_s.arg(seed)
                               .arg(actions)
                               .arg(QCoreApplication::applicationFilePath());
    std::cout << "Monkey seed " << seed << ", " << actions << " actions. Replay with:\n  "
              << replay.toStdString() << std::endl;

    qInstallMessageHandler(quietPlatform);
    Monkey monkey(seed);
    const QStringList found = monkey.run(actions);
    EXPECT_TRUE(found.isEmpty()) << found.join(u'\n').toStdString()
                                 << "\nReplay with: " << replay.toStdString();

    std::cout << "Actions run per kind:\n"
              << monkey.counts().join(u'\n').toStdString() << "\n"
              << monkey.rounds().rounds() << " rounds, " << monkey.rounds().wins() << " won, "
              << monkey.rounds().losses() << " lost" << std::endl;

    // A long run that never reached some window, or never finished a round, tested less than it
    // claims: a shortcut that stopped working would otherwise go unnoticed here.
    if (found.isEmpty() && actions >= 5000) {
        EXPECT_TRUE(monkey.everyKindRan()) << "Replay with: " << replay.toStdString();
        EXPECT_GT(monkey.rounds().wins(), 0);
        EXPECT_GT(monkey.rounds().losses(), 0);
    }
}
