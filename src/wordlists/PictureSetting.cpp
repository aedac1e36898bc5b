#include "wordlists/PictureSetting.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace {
const QString SetKey = u"pictures/set"_s;
const QString LockedKey = u"pictures/locked"_s;
} // namespace

QString PictureSetting::systemFile()
{
    return QSettings(QSettings::IniFormat, QSettings::SystemScope, u"Wordrow"_s,
        Preferences::FileName.toString().chopped(4))
        .fileName();
}

PictureSetting::PictureSetting(const QString &homeDir, const QString &systemPath)
    : m_preferences(homeDir)
    , m_systemFile(systemPath)
{
}

PictureSet::Set PictureSetting::current() const
{
    if (isLocked())
        return computerSet();
    return m_preferences.pictureSet().value_or(computerSet());
}

// Only "true" locks: anything else leaves the choice to the user.
bool PictureSetting::isLocked() const
{
    const QSettings system(m_systemFile, QSettings::IniFormat);
    return system.value(LockedKey).toString().trimmed().toLower() == u"true";
}

QString PictureSetting::lockReason() const
{
    if (!isLocked())
        return QString();
    return u"The pictures are set for every user of this computer, in %1."_s.arg(m_systemFile);
}

bool PictureSetting::choose(PictureSet::Set set)
{
    if (isLocked())
        return false;
    // The computer's own set needs no choice kept: the user then follows it, as on a first start.
    if (set == computerSet())
        return m_preferences.setPictureSet(std::nullopt);
    return m_preferences.setPictureSet(set);
}

PictureSet::Set PictureSetting::computerSet() const
{
    const QSettings system(m_systemFile, QSettings::IniFormat);
    return PictureSet::fromName(system.value(SetKey).toString()).value_or(PictureSet::Set::Gallows);
}
