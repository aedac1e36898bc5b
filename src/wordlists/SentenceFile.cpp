#include "wordlists/SentenceFile.h"

#include "core/WholeFile.h"
#include "wordlists/TextEncoding.h"

#include <QFile>
#include <QSet>

using namespace Qt::StringLiterals;

QString SentenceFile::pathFor(const QString &listPath)
{
    const bool listSuffix = listPath.endsWith(u".wdr"_s, Qt::CaseInsensitive);
    return (listSuffix ? listPath.chopped(4) : listPath) + Suffix;
}

Sentences SentenceFile::read(const QString &listPath)
{
    const std::optional<QByteArray> bytes = WholeFile::read(pathFor(listPath), MaxFileSize);
    return bytes ? parse(*bytes) : Sentences();
}

Sentences SentenceFile::parse(QByteArrayView bytes)
{
    constexpr QByteArrayView Utf8Bom = "\xEF\xBB\xBF";
    if (bytes.startsWith(Utf8Bom))
        bytes = bytes.sliced(Utf8Bom.size());
    // Another program's file, or a damaged one, lends the list nothing.
    if (!TextEncoding::isValidUtf8(bytes))
        return {};
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    if (lines.isEmpty() || lines.first().trimmed().compare(Heading, Qt::CaseInsensitive) != 0)
        return {};
    Sentences sentences;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QStringView line(lines[i]);
        if (line.endsWith(u'\r'))
            line.chop(1);
        const qsizetype tab = line.indexOf(u'\t');
        if (tab <= 0 || line.indexOf(u'\t', tab + 1) >= 0)
            continue;
        sentences.set(line.first(tab).trimmed(), line.sliced(tab + 1).toString());
    }
    return sentences;
}

QByteArray SentenceFile::format(const QStringList &words, const Sentences &sentences)
{
    QByteArray bytes = Heading.toUtf8() + "\r\n";
    QSet<QString> written;
    for (const QString &word : words) {
        const QString sentence = sentences.of(word);
        const QString key = word.toCaseFolded();
        if (sentence.isEmpty() || written.contains(key))
            continue;
        written.insert(key);
        bytes += word.toUtf8() + '\t' + sentence.toUtf8() + "\r\n";
    }
    return bytes;
}

bool SentenceFile::write(
    const QString &listPath, const QStringList &words, const Sentences &sentences)
{
    const QString path = pathFor(listPath);
    const bool any = std::any_of(words.cbegin(), words.cend(),
        [&sentences](const QString &word) { return !sentences.of(word).isEmpty(); });
    if (!any)
        return !QFile::exists(path) || QFile::remove(path);
    return WholeFile::write(path, format(words, sentences));
}
