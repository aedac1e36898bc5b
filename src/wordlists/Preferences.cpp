#include "wordlists/Preferences.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QSysInfo>
#include <QUuid>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {
constexpr QStringView SayAtRoundEnd = u"speech/sayWordAtRoundEnd";
constexpr QStringView SayNewWord = u"speech/sayEachNewWord";
constexpr QStringView Player = u"practice/player";
constexpr QStringView TroubleWords = u"practice/practiseTroubleWords";
constexpr QStringView ClassService = u"classRecord/service";
constexpr QStringView TeacherService = u"classRecord/teacherService";
constexpr QStringView ComputerName = u"classRecord/computer";
constexpr QStringView ComputerId = u"classRecord/computerId";
constexpr QStringView Voice = u"speech/voice";
constexpr QStringView Rate = u"speech/rate";
constexpr QStringView Pictures = u"pictures/set";

QString hostName()
{
    return QSysInfo::machineHostName();
}
} // namespace

Preferences::Preferences(const QString &homeDir)
    : m_path(QDir(homeDir).filePath(FileName.toString()))
{
}

bool Preferences::sayWordAtRoundEnd() const
{
    return flag(SayAtRoundEnd, true);
}

bool Preferences::sayEachNewWord() const
{
    return flag(SayNewWord, false);
}

QString Preferences::player() const
{
    const QSettings settings(m_path, QSettings::IniFormat);
    const QString name = settings.value(Player.toString()).toString().trimmed();
    return name.isEmpty() ? DefaultPlayer.toString() : name;
}

bool Preferences::practiseTroubleWords() const
{
    return flag(TroubleWords, false);
}

QString Preferences::classService() const
{
    return text(ClassService, QString());
}

QString Preferences::teacherService() const
{
    return text(TeacherService, QString());
}

bool Preferences::setTeacherService(const QString &service)
{
    return storeClassRecord(TeacherService, service.trimmed(), QString());
}

QString Preferences::computerName() const
{
    return text(ComputerName, defaultComputerName());
}

QString Preferences::defaultComputerName() const
{
    QString id = text(ComputerId, QString());
    if (id.isEmpty()) {
        if (m_newId.isEmpty())
            m_newId = QUuid::createUuid().toString(QUuid::Id128).left(6);
        id = m_newId;
    }
    const QString host = hostName();
    return host.isEmpty() ? id : host + u'-' + id;
}

bool Preferences::keepComputerId()
{
    if (!text(ComputerId, QString()).isEmpty())
        return true;
    defaultComputerName();
    return store(ComputerId, m_newId, QString());
}

bool Preferences::setClassService(const QString &service)
{
    // The name shown while the class record was set up is the one its rounds go under.
    if (!service.trimmed().isEmpty() && !keepComputerId())
        return false;
    return storeClassRecord(ClassService, service.trimmed(), QString());
}

bool Preferences::storeClassRecord(
    QStringView key, const QString &value, const QString &defaultValue)
{
    const bool changes = text(key, defaultValue) != (value.isEmpty() ? defaultValue : value);
    const bool kept = store(key, value, defaultValue);
    if (kept && changes)
        Q_EMIT classRecordChanged();
    return kept;
}

bool Preferences::setComputerName(const QString &name)
{
    const QString trimmed = name.trimmed();
    const QString byDefault = defaultComputerName();
    return storeClassRecord(ComputerName, trimmed.isEmpty() ? byDefault : trimmed, byDefault);
}

std::optional<PictureSet::Set> Preferences::pictureSet() const
{
    return PictureSet::fromName(text(Pictures, QString()));
}

bool Preferences::setPictureSet(std::optional<PictureSet::Set> set)
{
    if (set)
        return store(Pictures, PictureSet::name(*set), QString());
    if (!QFileInfo::exists(m_path))
        return true;
    QSettings settings(m_path, QSettings::IniFormat);
    if (!settings.contains(Pictures.toString()))
        return true;
    settings.remove(Pictures.toString());
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString Preferences::text(QStringView key, const QString &defaultValue) const
{
    const QSettings settings(m_path, QSettings::IniFormat);
    const QString value = settings.value(key.toString()).toString().trimmed();
    return value.isEmpty() ? defaultValue : value;
}

bool Preferences::setSayWordAtRoundEnd(bool on)
{
    return store(SayAtRoundEnd, on, true);
}

bool Preferences::setSayEachNewWord(bool on)
{
    return store(SayNewWord, on, false);
}

bool Preferences::setPlayer(const QString &name)
{
    return store(Player, name.trimmed(), DefaultPlayer.toString());
}

bool Preferences::setPractiseTroubleWords(bool on)
{
    return store(TroubleWords, on, false);
}

// Only "true" and "false" count: anything else a hand or a broken disk left there is the default.
bool Preferences::flag(QStringView key, bool defaultValue) const
{
    const QSettings settings(m_path, QSettings::IniFormat);
    const QString value = settings.value(key.toString()).toString();
    if (value == u"true")
        return true;
    if (value == u"false")
        return false;
    return defaultValue;
}

bool Preferences::store(QStringView key, const QVariant &value, const QVariant &defaultValue)
{
    // A first start writes nothing new: the file comes only with the first option changed.
    if (value == defaultValue && !QFileInfo::exists(m_path))
        return true;
    // QSettings replaces the file through a temporary one, so a crash leaves the old file whole.
    QSettings settings(m_path, QSettings::IniFormat);
    settings.setValue(key.toString(), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString Preferences::voice() const
{
    return text(Voice, QString());
}

double Preferences::speechRate() const
{
    const QSettings settings(m_path, QSettings::IniFormat);
    bool ok = false;
    const double rate = settings.value(Rate.toString()).toString().toDouble(&ok);
    // A hand-edited speed beyond the engine's range is no speed at all.
    return ok && rate >= -1 && rate <= 1 ? rate : DefaultSpeechRate;
}

bool Preferences::setVoice(const QString &name, double rate)
{
    // Kept to two places, so that the file does not say -0.30000000000000004.
    const double rounded = std::round(rate * 100) / 100;
    return store(Voice, name.trimmed(), QString())
        && store(Rate, QString::number(rounded), QString::number(DefaultSpeechRate));
}
