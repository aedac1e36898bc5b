#include "game/MenuCaptions.h"

#include "game/MainWindowView.h"
#include "wordlists/SettingsFile.h"

using namespace Qt::StringLiterals;

using MenuItem = MainWindowView::MenuItem;

QString MenuCaptions::windowTitle(const QString &listName)
{
    return u"Wordrow - by Quilbyte:  "_s + listName;
}

QString MenuCaptions::currentlyCaption(const QString &listName)
{
    return u"(Currently: "_s + listName + u')';
}

void MenuCaptions::showListInPlay(MainWindowView &view, const QString &listName)
{
    view.setTitle(windowTitle(listName));
    view.setMenuText(MenuItem::CurrentList, currentlyCaption(listName));
    view.listInPlayChanged(listName);
}

void MenuCaptions::showTitleScreenOption(MainWindowView &view, bool hideTitleScreen)
{
    view.setMenuChecked(MenuItem::ShowTitleScreen, !hideTitleScreen);
    view.setMenuEnabled(MenuItem::ShowTitleScreen, hideTitleScreen);
    view.setMenuChecked(MenuItem::HideTitleScreen, hideTitleScreen);
    view.setMenuEnabled(MenuItem::HideTitleScreen, !hideTitleScreen);
}

void MenuCaptions::showStartupList(MainWindowView &view, const QString &homeDir)
{
    view.setMenuText(
        MenuItem::StartupList, currentlyCaption(SettingsFile::read(homeDir).startupList));
}
