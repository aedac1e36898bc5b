#pragma once

#include "FakeGameView.h"
#include "MainWindowView.h"

#include <map>

// The main window as start-up and the File menu see it: the round's part is a FakeGameView.
class FakeMainWindowView final : public MainWindowView
{
public:
    struct MenuState
    {
        QString caption;
        bool checked = false;
        bool enabled = true;
    };

    void setLabelVisible(Label label, bool visible) override
    {
        game.setLabelVisible(label, visible);
    }
    void setLabelCaption(Label label, const QString &caption) override
    {
        game.setLabelCaption(label, caption);
    }
    int lblWinWidth() const override { return game.lblWinWidth(); }
    void setLblWinLeft(int left) override { game.setLblWinLeft(left); }
    int innerWidth() const override { return game.innerWidth(); }
    void setPickVisible(int index, bool visible) override { game.setPickVisible(index, visible); }
    void setPickCaption(int index, const QString &caption) override
    {
        game.setPickCaption(index, caption);
    }
    void setPickToolTip(int index, const QString &toolTip) override
    {
        game.setPickToolTip(index, toolTip);
    }
    void setLetterEnabled(int index, bool enabled) override
    {
        game.setLetterEnabled(index, enabled);
    }
    void setLetterBackColor(int index, quint32 color) override
    {
        game.setLetterBackColor(index, color);
    }
    void showHangPicture(int index) override { game.showHangPicture(index); }

    void setMenuCaption(MenuItem item, const QString &caption) override
    {
        menus[item].caption = caption;
    }
    void setMenuChecked(MenuItem item, bool checked) override { menus[item].checked = checked; }
    void setMenuEnabled(MenuItem item, bool enabled) override { menus[item].enabled = enabled; }
    void setFormCaption(const QString &caption) override { formCaption = caption; }
    void setLetterCaption(int index, const QString &caption) override
    {
        letterCaptions.at(index) = caption;
    }
    void showTitleScreen() override { ++titleScreens; }
    void showMainWindow() override { ++mainWindowShows; }
    void endProgram() override { ++programEnds; }

    FakeGameView game;
    std::map<MenuItem, MenuState> menus;
    QString formCaption;
    std::array<QString, 28> letterCaptions;
    int titleScreens = 0;
    int mainWindowShows = 0;
    int programEnds = 0;
};
