#pragma once

#include "app/MainWindow.h"
#include "core/GameState.h"
#include "support/FakeFileDialogs.h"
#include "support/FakeFileSystem.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakeSpeaker.h"
#include "support/RecordingSoundPlayer.h"
#include "support/ScriptedRandom.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// The whole program in a home folder of its own, on scripted boxes, dialogs, files, sounds and
// draws. Tests that use it link the main window.
class ProgramFixture : public ::testing::Test
{
protected:
    ProgramFixture()
    {
        files.current = dir.path();
        random.runOn = true;
    }

    // Starts the program on the list, without the title screen, and shows the game.
    void startGame(const QByteArray &list)
    {
        dir.write(QStringLiteral("wordrow.wdr"), list);
        dir.write(QStringLiteral("wordrow.ini"), "\"\"\r\n#TRUE#\r\n");
        window->start();
        player.played.clear();
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // A dialog counts as active while its owner is: this waits for the window itself.
    static bool becomesActive(QWidget *widget)
    {
        return QTest::qWaitFor([widget] { return QApplication::activeWindow() == widget; });
    }
    // The slots of the word as a player sees them: "_" for a letter still to find.
    QString slots() const
    {
        QString shown;
        for (int i = 0; i < GameRound::SlotCount; ++i) {
            if (window->slot(i)->isVisible())
                shown += window->slot(i)->text().isEmpty() ? QStringLiteral("_")
                                                           : window->slot(i)->text();
        }
        return shown;
    }
    // Lets closed windows be deleted.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    TempDir dir;
    GameState state;
    FakeMessageBoxes messages;
    FakeFileDialogs dialogs;
    FakeFileSystem files{QString()};
    RecordingSoundPlayer player;
    ScriptedRandom random;
    FakeSpeaker speaker;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(
        state, Services{messages, dialogs, files, player, random, speaker});
};
