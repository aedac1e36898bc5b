#pragma once

#include "game/MainWindowView.h"
#include "support/FakeGameView.h"

#include <array>

// The main window as start-up and the File menu see it: the round's part is a FakeGameView. The
// menu items are the logic's own QActions.
class FakeMainWindowView final : public MainWindowView
{
public:
    void setLabelVisible(Label label, bool visible) override
    {
        game.setLabelVisible(label, visible);
    }
    void setLabelText(Label label, const QString &caption) override
    {
        game.setLabelText(label, caption);
    }
    int remarkWidth() const override { return game.remarkWidth(); }
    void setRemarkLeft(int left) override { game.setRemarkLeft(left); }
    int innerWidth() const override { return game.innerWidth(); }
    void setSlotVisible(int index, bool visible) override { game.setSlotVisible(index, visible); }
    void setSlotText(int index, const QString &caption) override
    {
        game.setSlotText(index, caption);
    }
    void setSlotToolTip(int index, const QString &toolTip) override
    {
        game.setSlotToolTip(index, toolTip);
    }
    void setLetterEnabled(int index, bool enabled) override
    {
        game.setLetterEnabled(index, enabled);
    }
    void setLetterColor(int index, const QColor &color) override
    {
        game.setLetterColor(index, color);
    }
    void showGallowsPicture(int index) override { game.showGallowsPicture(index); }

    void setLetterText(int index, const QString &caption) override
    {
        letterCaptions.at(index) = caption;
    }
    void showTitleScreen() override { ++titleScreens; }
    void showMainWindow() override { ++mainWindowShows; }
    void endProgram() override { ++programEnds; }

    FakeGameView game;
    std::array<QString, 28> letterCaptions;
    int titleScreens = 0;
    int mainWindowShows = 0;
    int programEnds = 0;
};
