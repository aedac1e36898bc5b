#pragma once

#include <QByteArrayView>
#include <QString>

// Hand-made lists come from anywhere: a file that is valid UTF-8 is read as UTF-8, anything else as
// Windows-1252, so older 8-bit lists keep their characters.
class TextEncoding
{
public:
    // Ascii is UTF-8 known to hold no other character, which spares the checks per word.
    enum class Encoding { Ascii, Utf8, Windows1252 };

    static Encoding detect(QByteArrayView bytes);
    static bool isValidUtf8(QByteArrayView bytes, bool *ascii = nullptr);

    // The length the decoded text will have, in QChars, without decoding it.
    static qsizetype decodedLength(QByteArrayView bytes, Encoding encoding);
    static QString decode(QByteArrayView bytes, Encoding encoding);
    // A whole text file from elsewhere: a UTF-16 or UTF-32 file by its byte-order mark, anything
    // else as detect() finds it, the UTF-8 mark dropped.
    static QString decodeText(QByteArrayView bytes);
    // Whether the bytes decode as Latin-1 would decode them, one QChar per byte.
    static bool readsAsLatin1(QByteArrayView bytes, Encoding encoding);
};
