#include "sound/WavFile.h"

#include "sound/WavBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;
using namespace WavBytes;
using Problem = WavFile::Problem;

namespace {

QByteArray samples16(std::initializer_list<qint16> values)
{
    QByteArray out;
    for (qint16 v : values)
        out += u16(quint16(v));
    return out;
}

// The 16-bit samples in host order, as the player hands them to the sound card.
QList<qint16> hostSamples(const WavFile &wav)
{
    const QByteArray &bytes = wav.samples();
    QList<qint16> out;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        out.append(*reinterpret_cast<const qint16 *>(bytes.constData() + i));
    return out;
}

TEST(WavFileTest, ReadsSixteenBitMonoAndStereo)
{
    TempDir dir;
    const WavFile mono = WavFile::read(dir.write(
        u"mono.wav"_s, wav(Format{Pcm, 1, 11025, 16}, samples16({0, 1000, -1000, 32767}))));
    ASSERT_TRUE(mono.isValid()) << int(mono.problem());
    EXPECT_EQ(mono.channelCount(), 1);
    EXPECT_EQ(mono.sampleRate(), 11025);
    EXPECT_EQ(mono.bitsPerSample(), 16);
    EXPECT_EQ(mono.frameCount(), 4);
    EXPECT_EQ(hostSamples(mono), (QList<qint16>{0, 1000, -1000, 32767}));

    const WavFile stereo = WavFile::read(dir.write(
        u"stereo.wav"_s, wav(Format{Pcm, 2, 44100, 16}, samples16({1, -1, 2, -2, 3, -3}))));
    ASSERT_TRUE(stereo.isValid()) << int(stereo.problem());
    EXPECT_EQ(stereo.channelCount(), 2);
    EXPECT_EQ(stereo.sampleRate(), 44100);
    EXPECT_EQ(stereo.frameCount(), 3);
    EXPECT_EQ(hostSamples(stereo), (QList<qint16>{1, -1, 2, -2, 3, -3}));
}

TEST(WavFileTest, ReadsEightBitSamplesAsTheyAre)
{
    const QByteArray samples("\x80\xff\x00\x7f\x81", 5);
    const WavFile wav8 = WavFile::fromBytes(wav(Format{Pcm, 1, 8000, 8}, samples));
    ASSERT_TRUE(wav8.isValid()) << int(wav8.problem());
    EXPECT_EQ(wav8.bitsPerSample(), 8);
    EXPECT_EQ(wav8.frameCount(), 5);
    EXPECT_EQ(wav8.samples(), samples) << "8-bit WAV samples are unsigned, as the sink wants them";
}

TEST(WavFileTest, ReadsExtensiblePcmButNotExtensibleFloat)
{
    const QByteArray samples = samples16({5, -5, 6, -6});
    const Format stereo{Pcm, 2, 48000, 16};

    const WavFile pcm = WavFile::fromBytes(
        riff(chunk("fmt ", extensibleFmtBody(stereo, Pcm)) + chunk("data", samples)));
    ASSERT_TRUE(pcm.isValid()) << int(pcm.problem());
    EXPECT_EQ(pcm.channelCount(), 2);
    EXPECT_EQ(pcm.sampleRate(), 48000);
    EXPECT_EQ(hostSamples(pcm), (QList<qint16>{5, -5, 6, -6}));

    const WavFile floats
        = WavFile::fromBytes(riff(chunk("fmt ", extensibleFmtBody(Format{Pcm, 2, 48000, 32}, Float))
            + chunk("data", samples)));
    EXPECT_EQ(floats.problem(), Problem::Unsupported);

    // The sub-format is unknown when the extension is cut short.
    const QByteArray cut = extensibleFmtBody(stereo, Pcm).left(24);
    EXPECT_FALSE(WavFile::fromBytes(riff(chunk("fmt ", cut) + chunk("data", samples))).isValid());
}

TEST(WavFileTest, FindsItsChunksAmongOthersAndAcrossPadding)
{
    const QByteArray samples = samples16({7, 8, 9});
    const QByteArray fmt = chunk("fmt ", fmtBody(Format{}));
    // An odd-sized chunk is followed by a pad byte that is not part of the next chunk.
    const QByteArray list = chunk("LIST", "INFOx");
    ASSERT_EQ(list.size(), 8 + 5 + 1);

    const WavFile dataFirst
        = WavFile::fromBytes(riff(list + chunk("data", samples) + chunk("junk", "abc") + fmt));
    ASSERT_TRUE(dataFirst.isValid()) << int(dataFirst.problem());
    EXPECT_EQ(hostSamples(dataFirst), (QList<qint16>{7, 8, 9}));

    // An odd-sized 8-bit data chunk keeps all its bytes and none of the pad.
    const QByteArray odd("\x10\x20\x30", 3);
    const WavFile eightBit = WavFile::fromBytes(
        riff(chunk("fmt ", fmtBody(Format{Pcm, 1, 8000, 8})) + chunk("data", odd) + list));
    ASSERT_TRUE(eightBit.isValid()) << int(eightBit.problem());
    EXPECT_EQ(eightBit.samples(), odd);

    // Some writers leave out the final pad byte.
    QByteArray unpadded
        = riff(chunk("fmt ", fmtBody(Format{Pcm, 1, 8000, 8})) + chunk("data", odd));
    unpadded.chop(1);
    qToLittleEndian(quint32(unpadded.size() - 8), unpadded.data() + 4);
    EXPECT_EQ(WavFile::fromBytes(unpadded).samples(), odd);
}

TEST(WavFileTest, DropsAnIncompleteFrameAndRefusesLessThanOneFrame)
{
    const QByteArray twoFramesAndAHalf = samples16({1, 2, 3, 4, 5});
    const WavFile stereo = WavFile::fromBytes(wav(Format{Pcm, 2, 22050, 16}, twoFramesAndAHalf));
    ASSERT_TRUE(stereo.isValid());
    EXPECT_EQ(stereo.frameCount(), 2);
    EXPECT_EQ(hostSamples(stereo), (QList<qint16>{1, 2, 3, 4}));

    EXPECT_EQ(WavFile::fromBytes(wav(Format{}, QByteArray())).problem(), Problem::NoSamples);
    EXPECT_EQ(WavFile::fromBytes(wav(Format{}, "x")).problem(), Problem::NoSamples);
    EXPECT_FALSE(WavFile().isValid());
}

TEST(WavFileTest, RefusesWhatIsNoWaveFile)
{
    TempDir dir;
    EXPECT_EQ(WavFile::read(dir.filePath(u"missing.wav"_s)).problem(), Problem::Unreadable);
    EXPECT_EQ(WavFile::read(dir.path()).problem(), Problem::Unreadable);
    EXPECT_EQ(WavFile::read(dir.write(u"empty.wav"_s, {})).problem(), Problem::NotWave);
    EXPECT_EQ(WavFile::fromBytes("RIFF").problem(), Problem::NotWave);
    EXPECT_EQ(WavFile::fromBytes("Hello, this is not a sound at all.").problem(), Problem::NotWave);

    QByteArray avi = toneWav(10);
    avi.replace(8, 4, "AVI ");
    EXPECT_EQ(WavFile::fromBytes(avi).problem(), Problem::NotWave);
}

#ifdef Q_OS_UNIX
TEST(WavFileTest, DoesNotWaitOnAPipe)
{
    TempDir dir;
    const QString fifo = dir.filePath(u"sound.wav"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Opening a pipe with no writer would block for good.
    EXPECT_EQ(WavFile::read(fifo).problem(), Problem::Unreadable);
}
#endif

TEST(WavFileTest, RefusesSizesThatDoNotFit)
{
    const QByteArray good = toneWav(10);
    ASSERT_TRUE(WavFile::fromBytes(good).isValid());

    EXPECT_EQ(WavFile::fromBytes(good.left(good.size() - 1)).problem(), Problem::Malformed)
        << "cut short: the RIFF size claims more than there is";

    // A data chunk claiming more than the file holds, with a RIFF size that agrees.
    QByteArray longData
        = riff(chunk("fmt ", fmtBody(Format{})) + "data" + u32(1000) + samples16({1, 2}));
    EXPECT_EQ(WavFile::fromBytes(longData).problem(), Problem::Malformed);

    QByteArray hugeChunk = riff(chunk("fmt ", fmtBody(Format{})) + "data" + u32(0xFFFFFFFF) + "ab");
    EXPECT_EQ(WavFile::fromBytes(hugeChunk).problem(), Problem::Malformed);

    QByteArray hugeRiff = good;
    qToLittleEndian(quint32(0xFFFFFFFF), hugeRiff.data() + 4);
    EXPECT_EQ(WavFile::fromBytes(hugeRiff).problem(), Problem::Malformed);

    QByteArray tinyRiff = good;
    qToLittleEndian(quint32(2), tinyRiff.data() + 4);
    EXPECT_EQ(WavFile::fromBytes(tinyRiff).problem(), Problem::Malformed);

    EXPECT_EQ(WavFile::fromBytes(riff(chunk("data", samples16({1})))).problem(), Problem::Malformed)
        << "no format chunk";
    EXPECT_EQ(
        WavFile::fromBytes(riff(chunk("fmt ", fmtBody(Format{})))).problem(), Problem::Malformed)
        << "no data chunk";
    EXPECT_EQ(
        WavFile::fromBytes(riff(chunk("fmt ", fmtBody(Format{}).left(14)) + chunk("data", "ab")))
            .problem(),
        Problem::Malformed)
        << "format chunk too short";
    EXPECT_EQ(WavFile::fromBytes(wav(Format{Pcm, 2, 22050, 16, 2}, samples16({1, 2}))).problem(),
        Problem::Malformed)
        << "block size that does not match two 16-bit channels";
}

TEST(WavFileTest, RefusesFormatsItCannotPlay)
{
    const QByteArray samples = samples16({1, 2, 3, 4, 5, 6});
    const auto problem
        = [&](const Format &f) { return WavFile::fromBytes(wav(f, samples)).problem(); };

    EXPECT_EQ(problem(Format{Float, 1, 22050, 32}), Problem::Unsupported);
    EXPECT_EQ(problem(Format{2, 1, 22050, 4, 256}), Problem::Unsupported) << "ADPCM";
    EXPECT_EQ(problem(Format{7, 1, 8000, 8}), Problem::Unsupported) << "mu-law";
    EXPECT_EQ(problem(Format{0x55, 2, 44100, 0, 1}), Problem::Unsupported) << "MP3";
    EXPECT_EQ(problem(Format{Pcm, 1, 22050, 24}), Problem::Unsupported);
    EXPECT_EQ(problem(Format{Pcm, 1, 22050, 12, 2}), Problem::Unsupported);
    EXPECT_EQ(problem(Format{Pcm, 3, 22050, 16}), Problem::Unsupported);
    EXPECT_EQ(problem(Format{Pcm, 0, 22050, 16, 2}), Problem::Unsupported);
    EXPECT_EQ(problem(Format{Pcm, 1, 0, 16}), Problem::Unsupported);
    EXPECT_EQ(problem(Format{Pcm, 1, 0xFFFFFFFF, 16}), Problem::Unsupported);
    EXPECT_EQ(problem(Format{Pcm, 1, 8000, 16}), Problem::None);
    EXPECT_EQ(problem(Format{Pcm, 2, 96000, 16}), Problem::None);
}

TEST(WavFileTest, RefusesFilesOverTheCapBeforeReadingThem)
{
    TempDir dir;
    QByteArray big = toneWav(10);
    big.resize(WavFile::MaxFileSize + 1);
    EXPECT_EQ(WavFile::read(dir.write(u"big.wav"_s, big)).problem(), Problem::TooLarge);
    EXPECT_EQ(WavFile::fromBytes(big).problem(), Problem::TooLarge);
}

} // namespace
