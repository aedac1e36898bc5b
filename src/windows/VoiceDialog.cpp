#include "windows/VoiceDialog.h"

#include "game/SpeechCoach.h"
#include "platform/Speaker.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The slider moves in tenths of the engine's range.
constexpr int SpeedSteps = 10;

} // namespace

VoiceDialog::VoiceDialog(SpeechCoach &coach, Speaker &speaker, QWidget *parent)
    : QDialog(parent)
    , m_coach(coach)
    , m_speaker(speaker)
    , m_voices(new QComboBox(this))
    , m_speed(new QSlider(Qt::Horizontal, this))
    , m_state(new QLabel(u"Looking for the voices of the speech engine..."_s, this))
    , m_try(new QPushButton(u"&Try"_s, this))
{
    setObjectName(u"frmVoice"_s);
    setWindowTitle(u"Voice"_s);

    m_voices->setObjectName(u"cboVoice"_s);
    m_voices->setAccessibleName(u"Voice"_s);
    m_voices->addItem(u"The usual voice (British English)"_s, QString());
    m_voices->setEnabled(false);

    m_speed->setObjectName(u"sldSpeed"_s);
    m_speed->setAccessibleName(u"Speed"_s);
    m_speed->setRange(-SpeedSteps, SpeedSteps);
    m_speed->setPageStep(2);
    m_speed->setTickPosition(QSlider::TicksBelow);
    m_speed->setValue(int(std::lround(m_coach.speechRate() * SpeedSteps)));
    auto *speedRow = new QHBoxLayout;
    speedRow->addWidget(new QLabel(u"Slower"_s, this));
    speedRow->addWidget(m_speed, 1);
    speedRow->addWidget(new QLabel(u"Faster"_s, this));

    m_try->setObjectName(u"cmdTry"_s);
    m_try->setToolTip(u"Say a sample sentence in this voice and at this speed."_s);
    m_state->setObjectName(u"lblVoiceState"_s);
    m_state->setWordWrap(true);

    auto *form = new QFormLayout;
    auto *voiceLabel = new QLabel(u"&Voice:"_s, this);
    voiceLabel->setBuddy(m_voices);
    form->addRow(voiceLabel, m_voices);
    auto *speedLabel = new QLabel(u"&Speed:"_s, this);
    speedLabel->setBuddy(m_speed);
    form->addRow(speedLabel, speedRow);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->addButton(m_try, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_try, &QPushButton::clicked, this, &VoiceDialog::tryVoice);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_state);
    layout->addWidget(buttons);
    m_voices->setMinimumContentsLength(28);

    // The engine may take seconds to start and list its voices: the dialog waits for them.
    connect(&m_speaker, &Speaker::voicesListed, this, &VoiceDialog::showVoices);
    m_speaker.listVoices();
}

void VoiceDialog::showVoices(const QStringList &names, const QStringList &languages)
{
    const QString current = m_coach.voice();
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QLocale locale(languages.value(i));
        const QString language = QLocale::languageToString(locale.language()) + u" ("_s
            + QLocale::territoryToString(locale.territory()) + u')';
        m_voices->addItem(names[i] + u" - "_s + language, names[i]);
        if (names[i] == current)
            m_voices->setCurrentIndex(m_voices->count() - 1);
    }
    m_voices->setEnabled(true);
    m_state->setText(names.isEmpty()
            ? (m_speaker.availability() == Speaker::Availability::Unavailable
                    ? m_speaker.unavailableReason()
                    : u"The speech engine offers no voices to choose from."_s)
            : u"%1 voices. English voices come first."_s.arg(names.size()));
}

QString VoiceDialog::chosenVoice() const
{
    return m_voices->currentData().toString();
}

double VoiceDialog::chosenRate() const
{
    return double(m_speed->value()) / SpeedSteps;
}

void VoiceDialog::tryVoice()
{
    m_speaker.setVoice(chosenVoice(), chosenRate());
    m_speaker.say(Sample.toString());
}

void VoiceDialog::accept()
{
    if (!m_coach.setVoice(chosenVoice(), chosenRate())) {
        QMessageBox::information(this, windowTitle(),
            u"The choice could not be kept: the game's folder cannot be written. It holds until "
            u"the game ends."_s);
    }
    QDialog::accept();
}

void VoiceDialog::reject()
{
    // What was tried goes: the game speaks as before.
    m_speaker.stop();
    m_speaker.setVoice(m_coach.voice(), m_coach.speechRate());
    QDialog::reject();
}
