#include "wordlists/KvtmlReader.h"

#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

void appendText(QXmlStreamReader &xml, ImportedWords &words)
{
    const int line = int(xml.lineNumber());
    const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
    if (!text.isEmpty())
        words.append({text, line});
}

// A version 2 translation: its own <text>, not those of its conjugations, and its <example>, the
// word's sentence.
void readTranslation(QXmlStreamReader &xml, ImportedWords &words)
{
    const qsizetype before = words.size();
    QString example;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"text")
            appendText(xml, words);
        else if (xml.name() == u"example" && example.isEmpty())
            example = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        else
            xml.skipCurrentElement();
    }
    if (words.size() > before)
        words.last().sentence = example;
}

} // namespace

std::optional<ImportedWords> KvtmlReader::read(QByteArrayView bytes)
{
    // Read in place: the bytes outlive the reader.
    QXmlStreamReader xml(QByteArray::fromRawData(bytes.data(), bytes.size()));
    if (!xml.readNextStartElement() || xml.name() != u"kvtml")
        return std::nullopt;
    const bool version2 = xml.attributes().value(u"version"_s).startsWith(u'2');

    ImportedWords words;
    // The first identifier is the first language; files call it "0", but its id is what counts.
    // Identifiers come before the entries.
    QString firstLanguage;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (!version2) {
            if (xml.name() == u"o")
                appendText(xml, words);
        } else if (xml.name() == u"identifier") {
            if (firstLanguage.isNull())
                firstLanguage = xml.attributes().value(u"id"_s).toString();
        } else if (xml.name() == u"translation") {
            const QString language = firstLanguage.isNull() ? u"0"_s : firstLanguage;
            if (xml.attributes().value(u"id"_s) == language)
                readTranslation(xml, words);
            else
                xml.skipCurrentElement();
        }
    }
    if (xml.hasError())
        return std::nullopt;
    return words;
}
