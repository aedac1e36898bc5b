#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtEndian>

#include <cmath>
#include <numbers>

// Builds .wav files byte by byte, so that tests can make good ones and break them on purpose.
namespace WavBytes {

constexpr quint16 Pcm = 1;
constexpr quint16 Float = 3;
constexpr quint16 Extensible = 0xFFFE;

inline QByteArray u16(quint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

inline QByteArray u32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// A chunk with the size its body has, padded to an even length.
inline QByteArray chunk(QByteArrayView id, QByteArrayView body)
{
    QByteArray out = id.toByteArray() + u32(quint32(body.size())) + body.toByteArray();
    if (body.size() % 2)
        out += '\0';
    return out;
}

struct Format
{
    quint16 code = Pcm;
    quint16 channels = 1;
    quint32 rate = 22050;
    quint16 bits = 16;
    int blockAlign = -1; // worked out from channels and bits when negative
};

inline QByteArray fmtBody(const Format &f)
{
    const quint16 align
        = f.blockAlign < 0 ? quint16(f.channels * f.bits / 8) : quint16(f.blockAlign);
    return u16(f.code) + u16(f.channels) + u32(f.rate) + u32(f.rate * align) + u16(align)
        + u16(f.bits);
}

// WAVE_FORMAT_EXTENSIBLE, carrying the real format code in its sub-format GUID.
inline QByteArray extensibleFmtBody(Format f, quint16 subFormat)
{
    f.code = Extensible;
    const QByteArray guidTail("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    return fmtBody(f) + u16(22) + u16(f.bits) + u32(f.channels == 2 ? 3 : 4) + u16(subFormat)
        + guidTail;
}

inline QByteArray riff(const QByteArray &chunks)
{
    return "RIFF" + u32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

inline QByteArray wav(const Format &f, QByteArrayView samples)
{
    return riff(chunk("fmt ", fmtBody(f)) + chunk("data", samples));
}

// A 16-bit mono sine tone, loud enough to measure and quiet enough not to startle.
inline QByteArray tone16(int frames, int rate = 22050, double hz = 440.0)
{
    QByteArray samples(frames * 2, '\0');
    for (int i = 0; i < frames; ++i) {
        const double phase = 2.0 * std::numbers::pi * hz * i / rate;
        qToLittleEndian(qint16(std::lround(8000.0 * std::sin(phase))), samples.data() + 2 * i);
    }
    return samples;
}

inline QByteArray toneWav(int milliseconds, int rate = 22050)
{
    return wav(Format{Pcm, 1, quint32(rate), 16}, tone16(rate * milliseconds / 1000, rate));
}

} // namespace WavBytes
