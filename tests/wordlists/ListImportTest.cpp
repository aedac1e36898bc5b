#include "wordlists/ListImport.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Format = ListImport::Format;
using Status = ListImport::Result::Status;

namespace {

struct Case
{
    const char *name;
    QByteArray bytes;
    // Each word as TEXT@LINE, joined by '|'; empty for none.
    const char16_t *words;
};

QString shown(const ListImport::Result &result)
{
    QStringList words;
    for (const ImportedWord &word : result.words)
        words.append(word.text + u'@' + QString::number(word.line));
    return words.join(u'|');
}

void checkTable(Format format, const QList<Case> &cases)
{
    for (const Case &c : cases) {
        const ListImport::Result result = ListImport::read(c.bytes, format);
        EXPECT_EQ(shown(result), QString::fromUtf16(c.words)) << c.name;
        EXPECT_EQ(result.status, *c.words ? Status::Read : Status::NoWords) << c.name;
    }
}

TEST(ListImport, plainTextOneWordALineOrSeparated)
{
    checkTable(Format::PlainText,
        {{"BOM and CR LF",
             "\xEF\xBB\xBF"
             "cat\r\ndog\r\n\r\nemu\r\n",
             u"cat@1|dog@2|emu@4"},
            {"separators", " cat, dog;emu\tfox \n,;\ngnu", u"cat@1|dog@1|emu@1|fox@1|gnu@3"},
            {"lone CR", "cat\rdog", u"cat@1|dog@2"},
            {"Windows-1252", "caf\xE9\nna\xEFve\n\x93quoted\x94",
                u"caf\u00e9@1|na\u00efve@2|\u201cquoted\u201d@3"},
            {"UTF-8", "caf\xC3\xA9", u"caf\u00e9@1"},
            {"UTF-16 with its mark",
                QByteArray("\xFF\xFE"
                           "c\0a\0t\0\n\0o\0x\0",
                    14),
                u"cat@1|ox@2"},
            {"over-long and duplicate words are judged later", "incomprehensible\nCat\ncat",
                u"incomprehensible@1|Cat@2|cat@3"},
            {"empty", "", u""}, {"blank", " \r\n\t\r\n", u""}});
}

TEST(ListImport, csvFirstColumnWithoutHeading)
{
    checkTable(Format::Csv,
        {{"heading and quotes", "Word,Meaning\r\n\"cat, the\",pet\r\ndog,\"a, b\"\r\n",
             u"cat, the@2|dog@3"},
            {"doubled quote and a line break in a field",
                "\"say \"\"hi\"\"\",x\nemu,\"one\ntwo\"\nfox", u"say \"hi\"@1|emu@2|fox@4"},
            {"semicolons", "Wort;Word\nHund;dog\n", u"Wort@1|Hund@2"},
            {"tabs", "spelling\tnotes\ncat\ta, b;c\n", u"cat@2"},
            {"tabs, and a comma in a sentence",
                "their\tThey lost their hat, then found it.\nthere\tOver there, by the door.\n",
                u"their@1|there@2"},
            {"a heading only", "words\r\n", u""}, {"empty", "", u""}});
}

TEST(ListImport, tsvByItsSuffixEvenWithoutATab)
{
    checkTable(Format::Tsv,
        {{"commas and semicolons are text", "ice cream, vanilla\nsay; said\tx\n",
            u"ice cream, vanilla@1|say; said@2"}});
    TempDir dir;
    EXPECT_EQ(shown(ListImport::readFile(dir.write(u"week.tsv"_s, "their, there\n"))),
        u"their, there@1"_s);
}

TEST(ListImport, kvtmlFirstLanguageOnly)
{
    checkTable(Format::Kvtml,
        {{"version 1",
             "<?xml version=\"1.0\"?>\n<kvtml>\n<e><o>house</o><t>Haus</t></e>\n"
             "<e>\n<o> tree </o></e></kvtml>",
             u"house@3|tree@5"},
            {"version 2",
                "<kvtml version=\"2.0\"><identifiers><identifier id=\"0\"/>"
                "<identifier id=\"1\"/></identifiers><entries>\n<entry id=\"0\">"
                "<translation id=\"1\"><text>Apfel</text></translation>"
                "<translation id=\"0\"><text>apple</text><comment>fruit</comment>"
                "<example><text>an apple a day</text></example></translation>"
                "</entry>\n<entry id=\"1\"><translation id=\"0\"><text>pear</text>"
                "</translation></entry></entries></kvtml>",
                u"apple@2|pear@3"},
            {"no entries", "<kvtml version=\"2.0\"/>", u""}});
    for (const QByteArray &notKvtml : {QByteArray("<html><e><o>cat</o></e></html>"),
             QByteArray("<kvtml><e><o>cat</e>"), QByteArray("cat\ndog"), QByteArray()})
        EXPECT_EQ(ListImport::read(notKvtml, Format::Kvtml).status, Status::NotAList)
            << notKvtml.data();
}

// Each word as WORD=SENTENCE, those without one left out.
QString sentencesOf(const ImportedWords &words)
{
    QStringList shown;
    for (const ImportedWord &word : words) {
        if (!word.sentence.isEmpty())
            shown.append(word.text + u'=' + word.sentence);
    }
    return shown.join(u'|');
}

TEST(ListImport, sentencesFromTheExampleOrTheSecondOrTheHeadedColumn)
{
    const struct
    {
        Format format;
        QByteArray bytes;
        const char16_t *sentences;
    } table[]{
        {Format::Kvtml,
            "<kvtml version=\"2.0\"><identifiers><identifier id=\"0\"/></identifiers><entries>"
            "<entry id=\"0\"><translation id=\"0\"><text>there</text>"
            "<example>Put it over there.</example></translation></entry>"
            "<entry id=\"1\"><translation id=\"0\"><example>stray</example></translation>"
            "<translation id=\"1\"><text>dort</text><example>Da dort.</example></translation>"
            "</entry><entry id=\"2\"><translation id=\"0\"><text>their</text></translation>"
            "</entry></entries></kvtml>",
            u"there=Put it over there."},
        {Format::Csv, "there,\"Put it over there, please.\"\r\ntwo,too\r\nthree\r\n",
            u"there=Put it over there, please."},
        {Format::Csv, "there\tPut it over there.\ntheir\tIt is their cat.\n",
            u"there=Put it over there.|their=It is their cat."},
        {Format::Csv, "Context;Notes;Spelling\nIt is their cat.;x y;their\n;;two\n",
            u"their=It is their cat."},
        {Format::Csv, "Word,Meaning\nthere,in that place\n", u""},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.bytes.toStdString());
        EXPECT_EQ(sentencesOf(ListImport::read(row.bytes, row.format).words),
            QString::fromUtf16(row.sentences));
    }
}

TEST(ListImport, wordrowListsReadAsTheGameReadsThem)
{
    checkTable(Format::WordList,
        {{"written by the editor", "\"CAT\"\r\n\"ICE CREAM\"\r\n", u"CAT@1|ICE CREAM@2"},
            {"hand-made",
                "\xEF\xBB\xBF"
                "caf\xE9,dog\n\n\"a,b\"\n\xA0\n",
                u"caf\u00e9@1|dog@1|a,b@3"}});
}

TEST(ListImport, filesThatAreNoListChangeNothing)
{
    TempDir dir;
    const auto status = [&dir](const QString &name, const QByteArray &bytes) {
        return ListImport::readFile(dir.write(name, bytes)).status;
    };
    EXPECT_EQ(status(u"big.txt"_s, QByteArray(ListImport::MaxFileSize + 1, 'a')), Status::TooLarge);
    EXPECT_EQ(status(u"picture.txt"_s, QByteArray("\x89PNG\r\n\x1a\n\0\0", 10)), Status::NotAList);
    EXPECT_EQ(status(u"empty.csv"_s, QByteArray()), Status::NoWords);
    EXPECT_EQ(ListImport::readFile(dir.filePath(u"missing.txt"_s)).status, Status::Unreadable);
    EXPECT_EQ(ListImport::readFile(dir.path()).status, Status::Unreadable);
    // Without a known suffix the bytes decide.
    EXPECT_EQ(status(u"week"_s, "\n <kvtml><e><o>cat</o></e></kvtml>"), Status::Read);
    EXPECT_EQ(status(u"week2"_s, "\n <kvtml>"), Status::NotAList);
}

} // namespace
