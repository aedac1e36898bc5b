#include "sound/WavFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QtEndian>

#include <optional>

namespace {

constexpr quint16 FormatPcm = 0x0001;
constexpr quint16 FormatExtensible = 0xFFFE;
constexpr qint64 HeaderSize = 12; // "RIFF", size, "WAVE"
constexpr qint64 ChunkHeaderSize = 8;
constexpr qint64 PlainFormatSize = 16;
constexpr qint64 ExtensibleFormatSize = 40;
constexpr int MinSampleRate = 1000;
constexpr int MaxSampleRate = 192000;

// The tail that every WAVE_FORMAT_EXTENSIBLE sub-format GUID shares after its format code.
constexpr QByteArrayView GuidTail("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);

struct Chunk
{
    qint64 offset = 0; // of the body
    qint64 size = 0;
};

struct Format
{
    quint16 code = 0;
    int channels = 0;
    int sampleRate = 0;
    int blockAlign = 0;
    int bits = 0;
};

quint16 u16(QByteArrayView bytes, qint64 at)
{
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

quint32 u32(QByteArrayView bytes, qint64 at)
{
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

// The format code, with an extensible header reduced to the code of its sub-format; 0 when the
// extensible header is too short to say.
quint16 formatCode(QByteArrayView body)
{
    const quint16 code = u16(body, 0);
    if (code != FormatExtensible)
        return code;
    if (body.size() < ExtensibleFormatSize || u16(body, 16) < 22)
        return 0;
    if (body.sliced(26, GuidTail.size()) != GuidTail)
        return 0;
    return u16(body, 24);
}

std::optional<Format> parseFormat(QByteArrayView body)
{
    if (body.size() < PlainFormatSize)
        return std::nullopt;
    Format format;
    format.code = formatCode(body);
    format.channels = u16(body, 2);
    // A rate past 2^31 is nonsense anyway; keep it out of int.
    format.sampleRate = int(qMin<quint32>(u32(body, 4), quint32(MaxSampleRate) + 1));
    format.blockAlign = u16(body, 12);
    format.bits = u16(body, 14);
    return format;
}

bool isPlayable(const Format &format)
{
    return format.code == FormatPcm && (format.channels == 1 || format.channels == 2)
        && (format.bits == 8 || format.bits == 16) && format.sampleRate >= MinSampleRate
        && format.sampleRate <= MaxSampleRate;
}

QByteArray toHostOrder(QByteArray samples, int bits)
{
    if constexpr (QSysInfo::ByteOrder == QSysInfo::BigEndian) {
        if (bits == 16) {
            qFromLittleEndian<quint16>(samples.constData(), samples.size() / 2, samples.data());
        }
    }
    return samples;
}

} // namespace

qint64 WavFile::frameCount() const
{
    const int frameSize = m_channels * m_bits / 8;
    return frameSize > 0 ? m_samples.size() / frameSize : 0;
}

WavFile WavFile::read(const QString &path)
{
    // A FIFO would block and a device would never end, so only regular files are opened.
    const QFileInfo info(path);
    if (!info.isFile())
        return WavFile(Problem::Unreadable);
    if (info.size() > MaxFileSize)
        return WavFile(Problem::TooLarge);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return WavFile(Problem::Unreadable);
    // One byte past the cap tells a file that grew since the size was asked.
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return WavFile(Problem::Unreadable);
    return fromBytes(bytes);
}

WavFile WavFile::fromBytes(QByteArrayView bytes)
{
    if (bytes.size() > MaxFileSize)
        return WavFile(Problem::TooLarge);
    if (bytes.size() < HeaderSize || !bytes.startsWith("RIFF") || bytes.sliced(8, 4) != "WAVE")
        return WavFile(Problem::NotWave);

    // The RIFF size bounds the walk; one that claims more than the file holds means a cut file.
    const qint64 end = ChunkHeaderSize + qint64(u32(bytes, 4));
    if (end < HeaderSize || end > bytes.size())
        return WavFile(Problem::Malformed);

    std::optional<Chunk> fmt;
    std::optional<Chunk> data;
    qint64 at = HeaderSize;
    while ((!fmt || !data) && end - at >= ChunkHeaderSize) {
        const QByteArrayView id = bytes.sliced(at, 4);
        const Chunk chunk{at + ChunkHeaderSize, qint64(u32(bytes, at + 4))};
        if (chunk.size > end - chunk.offset)
            return WavFile(Problem::Malformed);
        if (id == "fmt " && !fmt)
            fmt = chunk;
        else if (id == "data" && !data)
            data = chunk;
        // Chunks start on even offsets: an odd-sized one is followed by a pad byte.
        at = chunk.offset + chunk.size + (chunk.size & 1);
    }
    if (!fmt || !data)
        return WavFile(Problem::Malformed);

    const std::optional<Format> format = parseFormat(bytes.sliced(fmt->offset, fmt->size));
    if (!format)
        return WavFile(Problem::Malformed);
    if (!isPlayable(*format))
        return WavFile(Problem::Unsupported);
    if (format->blockAlign != format->channels * format->bits / 8)
        return WavFile(Problem::Malformed);

    // A partial frame at the end is dropped rather than played as noise.
    const qint64 usable = data->size - data->size % format->blockAlign;
    if (usable == 0)
        return WavFile(Problem::NoSamples);

    WavFile wav(Problem::None);
    wav.m_channels = format->channels;
    wav.m_sampleRate = format->sampleRate;
    wav.m_bits = format->bits;
    wav.m_samples = toHostOrder(bytes.sliced(data->offset, usable).toByteArray(), format->bits);
    return wav;
}
