#include "wordlists/TextEncoding.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; its five unused bytes map to themselves.
constexpr std::array<char16_t, 32> windows1252High{
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F,
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
};

bool isContinuation(uchar byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

TextEncoding::Encoding TextEncoding::detect(QByteArrayView bytes)
{
    bool ascii = false;
    if (!isValidUtf8(bytes, &ascii))
        return Encoding::Windows1252;
    return ascii ? Encoding::Ascii : Encoding::Utf8;
}

bool TextEncoding::isValidUtf8(QByteArrayView bytes, bool *ascii)
{
    if (ascii)
        *ascii = true;
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        // Plain ASCII, the common case, eight bytes at a time.
        if (size - i >= 8) {
            quint64 block;
            std::memcpy(&block, bytes.data() + i, sizeof block);
            if ((block & 0x8080808080808080ULL) == 0) {
                i += 8;
                continue;
            }
        }
        const auto lead = uchar(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        // Shortest forms only, no surrogates, nothing past U+10FFFF.
        qsizetype length = 0;
        uchar low = 0x80;
        uchar high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0;
            else if (lead == 0xED)
                high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90;
            else if (lead == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (ascii)
            *ascii = false;
        if (size - i < length)
            return false;
        const auto second = uchar(bytes[i + 1]);
        if (second < low || second > high)
            return false;
        for (qsizetype k = 2; k < length; ++k) {
            if (!isContinuation(uchar(bytes[i + k])))
                return false;
        }
        i += length;
    }
    return true;
}

qsizetype TextEncoding::decodedLength(QByteArrayView bytes, Encoding encoding)
{
    if (encoding != Encoding::Utf8)
        return bytes.size();
    // Valid UTF-8: one QChar per sequence, two for the four-byte ones.
    qsizetype length = 0;
    for (const char c : bytes) {
        const auto byte = uchar(c);
        if (!isContinuation(byte))
            length += byte >= 0xF0 ? 2 : 1;
    }
    return length;
}

bool TextEncoding::readsAsLatin1(QByteArrayView bytes, Encoding encoding)
{
    // UTF-8 agrees with Latin-1 on ASCII only; Windows-1252 everywhere but 0x80..0x9F.
    if (encoding == Encoding::Ascii)
        return true;
    if (encoding == Encoding::Utf8)
        return std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
    return std::none_of(
        bytes.begin(), bytes.end(), [](char c) { return uchar(c) >= 0x80 && uchar(c) < 0xA0; });
}

QString TextEncoding::decode(QByteArrayView bytes, Encoding encoding)
{
    if (encoding != Encoding::Windows1252) {
        // QString::fromUtf8 would drop a U+FEFF that begins the bytes: a word's own character.
        QStringDecoder utf8(QStringDecoder::Utf8,
            QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        return utf8(bytes);
    }
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = uchar(c);
        *out++ = (byte >= 0x80 && byte < 0xA0) ? QChar(windows1252High[byte - 0x80])
                                               : QChar(char16_t(byte));
    }
    return text;
}

QString TextEncoding::decodeText(QByteArrayView bytes)
{
    // Notepad's "Unicode" is UTF-16 with a mark; without one, such a file is no text to us.
    const std::optional<QStringConverter::Encoding> marked
        = QStringConverter::encodingForData(bytes);
    if (marked && *marked != QStringConverter::Utf8) {
        QStringDecoder decoder(*marked);
        return decoder(bytes);
    }
    constexpr QByteArrayView Utf8Bom = "\xEF\xBB\xBF";
    if (bytes.startsWith(Utf8Bom))
        bytes = bytes.sliced(Utf8Bom.size());
    return decode(bytes, detect(bytes));
}
