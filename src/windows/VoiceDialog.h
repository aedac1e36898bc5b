#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class Speaker;
class SpeechCoach;

// Practice > "Voice...": the engine's voices, English ones first, and the speed, with a button
// that says a sample sentence in them. OK keeps the choice for the game and the spelling test.
class VoiceDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr QStringView Sample = u"Put it over there, by their house.";

    VoiceDialog(SpeechCoach &coach, Speaker &speaker, QWidget *parent = nullptr);

    void accept() override;
    void reject() override;

private:
    void showVoices(const QStringList &names, const QStringList &languages);
    QString chosenVoice() const;
    double chosenRate() const;
    void tryVoice();

    SpeechCoach &m_coach;
    Speaker &m_speaker;
    QComboBox *m_voices;
    QSlider *m_speed;
    QLabel *m_state;
    QPushButton *m_try;
};
