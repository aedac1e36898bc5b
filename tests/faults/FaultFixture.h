#pragma once

#include "app/LetterButton.h"
#include "faults/PrivateMounts.h"
#include "support/ProgramFixture.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// The whole program, started as main starts it, in a home folder that a test may spoil.
class FaultFixture : public ProgramFixture
{
protected:
    FaultFixture() { QDir().mkpath(home); }

    void start()
    {
        files.current = home;
        window->start();
        if (!window->isTitleScreenOpen())
            window->showMaximized();
    }

    QAction *action(const QString &text) const
    {
        const QList<QAction *> actions = window->findChildren<QAction *>();
        for (QAction *action : actions) {
            if (action->text() == text)
                return action;
        }
        ADD_FAILURE() << "no menu item " << text.toStdString();
        return nullptr;
    }
    void loadList(const QString &path)
    {
        dialogs.choices.append(path);
        window->menuCaptions().currentList()->trigger();
    }
    void setStartupList(const QString &path)
    {
        dialogs.choices.append(path);
        window->menuCaptions().startupList()->trigger();
    }
    static QString caption(const QAction *item) { return item->text(); }

    QStringList homeEntries() const
    {
        return QDir(home).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QByteArray homeFile(const QString &name) const
    {
        QFile file(home + u'/' + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString writeHomeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(home + u'/' + name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        EXPECT_EQ(file.write(bytes), bytes.size());
        return file.fileName();
    }
    QStringList wordsInPlay() const { return state.words.toStringList(); }
    QStringList messageTexts() const
    {
        QStringList texts;
        for (const FakeMessageBoxes::Shown &box : messages.shown)
            texts.append(box.text);
        return texts;
    }

    // The program is still there and a round starts from the list in play.
    void expectPlayable()
    {
        ASSERT_TRUE(window->isVisible());
        ASSERT_FALSE(state.words.isEmpty());
        QTest::mouseClick(window->findChild<QPushButton *>(u"cmdStart"_s), Qt::LeftButton);
        EXPECT_TRUE(wordsInPlay().contains(window->round().word()));
        // Found before the first click: only what no button can guess, shown in its slot.
        int shown = 0;
        for (int i = 0; i < GameRound::SlotCount; ++i)
            shown += window->slot(i)->isVisible() && !window->slot(i)->text().isEmpty() ? 1 : 0;
        EXPECT_EQ(window->round().hits(), shown);
        EXPECT_EQ(window->round().misses(), 0);
        for (int i = 0; i < GameRound::LetterCount; ++i)
            EXPECT_TRUE(window->letterButton(i)->isEnabled()) << i;
    }

    // Another home folder, for names the usual one does not have.
    void setHome(const QString &name)
    {
        home = dir.filePath(name);
        ASSERT_TRUE(QDir().mkpath(home));
    }
    // Quits and starts again in the same folder.
    void restart()
    {
        quit();
        start();
    }
    // A fresh program, not started yet.
    void quit()
    {
        window = std::make_unique<MainWindow>(
            state, Services{messages, dialogs, files, player, random, speaker});
    }

    QString home = dir.filePath(u"home"_s);
};

// The same with the home folder on a tmpfs of its own, a few pages large.
class MountedHomeFixture : public FaultFixture
{
protected:
    static constexpr qint64 DiskSize = 256 * 1024;
    // A test that needs more room before it fills the disk sets this before SetUp.
    qint64 diskSize = DiskSize;

    void SetUp() override
    {
        if (!PrivateMounts::available()) {
            // CI runs as root, where these tests must run rather than pass by skipping.
            if (!qEnvironmentVariableIsEmpty("CI"))
                FAIL() << "cannot mount: " << PrivateMounts::unavailableReason().toStdString();
            GTEST_SKIP() << "cannot mount: " << PrivateMounts::unavailableReason().toStdString();
        }
        ASSERT_TRUE(PrivateMounts::mountTmpfs(home, diskSize));
        m_mounted = true;
    }
    ~MountedHomeFixture() override
    {
        window.reset();
        if (m_mounted)
            PrivateMounts::unmount(home);
    }

    // Fills the disk, leaving one page free when asked: enough for one small file.
    void fillDisk(bool leaveOnePage = false)
    {
        const QString spare = home + u"/.spare"_s;
        if (leaveOnePage) {
            writeHomeFile(u".spare"_s, "x");
        }
        ASSERT_GT(PrivateMounts::fillUp(home + u"/.filler"_s), 0);
        if (leaveOnePage) {
            ASSERT_TRUE(QFile::remove(spare));
        }
    }
    void freeDisk() { ASSERT_TRUE(QFile::remove(home + u"/.filler"_s)); }
    // What a player would see in the folder: no temporary files, nothing half-written.
    QStringList playerFiles() const
    {
        QStringList names = homeEntries();
        names.removeAll(u".filler"_s);
        return names;
    }

private:
    bool m_mounted = false;
};
