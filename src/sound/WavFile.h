#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The samples of a RIFF/WAVE file of plain integer PCM: 8 or 16 bits, mono or stereo. Anything
// else, or anything damaged, comes back invalid with the reason, and is simply not played.
// The accessors stay inline: the sound output module reads them without linking this library.
class WavFile
{
public:
    enum class Problem {
        None,
        Unreadable, // missing, not a regular file, or a read error
        TooLarge,
        NotWave, // no RIFF/WAVE header
        Malformed, // chunk sizes that do not fit, or no format or data chunk
        Unsupported, // compressed, floating point, or a shape we do not play
        NoSamples,
    };

    // Game sounds are short; anything this big is not one of them.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

    WavFile() = default; // an empty sound, invalid

    static WavFile read(const QString &path);
    static WavFile fromBytes(QByteArrayView bytes);

    bool isValid() const { return m_problem == Problem::None; }
    Problem problem() const { return m_problem; }
    int channelCount() const { return m_channels; }
    int sampleRate() const { return m_sampleRate; }
    int bitsPerSample() const { return m_bits; }
    qint64 frameCount() const;
    // Whole frames only, in the host's byte order; 8-bit samples are unsigned, 16-bit signed.
    // A partial frame would make the audio server refuse the write, and Qt 6.4 then hangs at
    // exit.
    const QByteArray &samples() const { return m_samples; }

private:
    explicit WavFile(Problem problem)
        : m_problem(problem)
    {
    }

    Problem m_problem = Problem::NoSamples;
    int m_channels = 0;
    int m_sampleRate = 0;
    int m_bits = 0;
    QByteArray m_samples;
};
