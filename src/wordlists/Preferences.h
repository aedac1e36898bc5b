#pragma once

#include "core/PictureSet.h"

#include <QObject>
#include <QString>
#include <QStringView>
#include <QVariant>

#include <optional>

// The options beyond the settings file, in an INI file of their own beside it. The file is
// written only once an option differs from its default, so a first start leaves it out; a file
// that is missing, empty or not INI at all reads as the defaults. It says when the class record's
// options change through it.
class Preferences : public QObject
{
    Q_OBJECT

public:
    static constexpr QStringView FileName = u"wordrow-preferences.ini";
    static constexpr QStringView DefaultPlayer = u"Player";

    explicit Preferences(const QString &homeDir);

    QString path() const { return m_path; }

    bool sayWordAtRoundEnd() const;
    bool sayEachNewWord() const;
    // The player whose record the rounds go to.
    QString player() const;
    bool practiseTroubleWords() const;
    // The libpq service of the class record (pg_service.conf); empty when none is set.
    QString classService() const;
    // The libpq service of the teacher's login, which reads the class view; empty on a pupil's
    // computer.
    QString teacherService() const;
    // How this computer's rounds are marked in the class record: as set, or else by default.
    QString computerName() const;
    // The host name and a short id of this user's own, so that computers cloned from one image,
    // host name and all, are told apart. The id is made once and kept from the first class
    // record set on; until then it is this object's own.
    QString defaultComputerName() const;
    // Keeps the id of the default name, unless kept already; false when it cannot be written.
    bool keepComputerId();
    // The pictures this user chose; nothing when the file names no set.
    std::optional<PictureSet::Set> pictureSet() const;

    // Each setter says whether the option is kept: false when the file could not be written.
    bool setSayWordAtRoundEnd(bool on);
    bool setSayEachNewWord(bool on);
    bool setPlayer(const QString &name);
    bool setPractiseTroubleWords(bool on);
    bool setClassService(const QString &service);
    bool setTeacherService(const QString &service);
    bool setComputerName(const QString &name);
    // Nothing takes the user's choice away, so that the computer's own setting applies again.
    bool setPictureSet(std::optional<PictureSet::Set> set);

    // The voice the game speaks in, by its name; empty for the engine's own English voice.
    QString voice() const;
    // The speed of speech, from -1 (slowest) to 1; rather slow unless chosen.
    double speechRate() const;
    bool setVoice(const QString &name, double rate);
    static constexpr double DefaultSpeechRate = -0.3;

Q_SIGNALS:
    // A service or the computer's name was set to something new.
    void classRecordChanged();

private:
    bool storeClassRecord(QStringView key, const QString &value, const QString &defaultValue);
    QString text(QStringView key, const QString &defaultValue) const;
    bool flag(QStringView key, bool defaultValue) const;
    bool store(QStringView key, const QVariant &value, const QVariant &defaultValue);

    QString m_path;
    mutable QString m_newId;
};
