#include "game/MenuCaptions.h"

#include "game/MenuAction.h"
#include "wordlists/SettingsFile.h"

using namespace Qt::StringLiterals;

namespace {

// A list's name shown as it is: '&' would otherwise mark an access key.
QString literalText(const QString &caption)
{
    return QString(caption).replace(u'&', u"&&"_s);
}

} // namespace

MenuCaptions::MenuCaptions(QObject *parent)
    : QObject(parent)
    , m_currentList(newMenuAction(this, u"(Current List)"_s, u"mnuFileCurrent"_s))
    , m_startupList(newMenuAction(this, u"(Default)"_s, u"mnuFileDefault1"_s))
    , m_showTitleScreen(newMenuAction(this, u"Show Startup Screen"_s, u"mnuFileOptionsShow"_s))
    , m_hideTitleScreen(newMenuAction(this, u"Hide Startup Screen"_s, u"mnuFileOptionsHide"_s))
    , m_sounds(newMenuAction(this, u"&Turn Off Sounds"_s, u"mnuOptionsSounds"_s))
{
    for (QAction *option : {m_showTitleScreen, m_hideTitleScreen})
        option->setCheckable(true);
    m_showTitleScreen->setChecked(true);
}

QString MenuCaptions::windowTitle(const QString &listName)
{
    return u"Wordrow - by Quilbyte:  "_s + listName;
}

QString MenuCaptions::currentlyCaption(const QString &listName)
{
    return u"(Currently: "_s + listName + u')';
}

void MenuCaptions::showListInPlay(const QString &listName)
{
    showListInPlay(listName, {});
}

void MenuCaptions::showListInPlay(const QString &listName, const QString &note)
{
    m_title
        = note.isEmpty() ? windowTitle(listName) : windowTitle(listName) + u"  ("_s + note + u')';
    m_currentList->setText(literalText(currentlyCaption(listName)));
    Q_EMIT titleChanged(m_title);
    Q_EMIT listInPlayChanged(listName);
}

void MenuCaptions::showTitleScreenOption(bool hideTitleScreen)
{
    m_showTitleScreen->setChecked(!hideTitleScreen);
    m_showTitleScreen->setEnabled(hideTitleScreen);
    m_hideTitleScreen->setChecked(hideTitleScreen);
    m_hideTitleScreen->setEnabled(!hideTitleScreen);
}

void MenuCaptions::showStartupList(const QString &homeDir)
{
    setStartupListCaption(SettingsFile::read(homeDir).startupList);
}

void MenuCaptions::setStartupListCaption(const QString &listName)
{
    m_startupList->setText(literalText(currentlyCaption(listName)));
}

void MenuCaptions::showSoundsOff(bool off)
{
    m_sounds->setText(off ? u"&Turn On Sounds"_s : u"&Turn Off Sounds"_s);
}
