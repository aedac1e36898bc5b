#pragma once

#include "core/PictureSet.h"
#include "wordlists/Preferences.h"

#include <QString>

// Which pictures a round shows. An administrator may set them for every user of the computer in
// a system-wide file of the same form as the preferences file, and may lock them there:
//
//     [pictures]
//     set=snowman
//     locked=true
//
// Unlocked, a user's own choice comes first, then the computer's, then the gallows.
class PictureSetting
{
public:
    // Qt's system-wide place for it: /etc/xdg/Wordrow/wordrow-preferences.ini, or the same under
    // the first folder of XDG_CONFIG_DIRS.
    static QString systemFile();

    explicit PictureSetting(const QString &homeDir, const QString &systemPath = systemFile());

    PictureSet::Set current() const;
    bool isLocked() const;
    // Why the choice is not the user's to make; empty while it is.
    QString lockReason() const;
    // Keeps a user's choice; false when the set is locked or the preferences could not be written.
    bool choose(PictureSet::Set set);

private:
    // What applies without a choice of the user's.
    PictureSet::Set computerSet() const;

    Preferences m_preferences;
    QString m_systemFile;
};
