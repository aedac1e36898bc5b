#include "core/Sentences.h"

#include <QList>

#include <algorithm>

namespace {

// Letters, digits, the apostrophe and the hyphen make up a word: "there's" holds no "there".
bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == u'\'' || c == u'-' || c == QChar(0x2019);
}

// Where the word stands on its own in the sentence, from position from on; -1 when nowhere.
qsizetype findWord(QStringView sentence, QStringView word, qsizetype from)
{
    if (word.isEmpty())
        return -1;
    for (qsizetype at = sentence.indexOf(word, from, Qt::CaseInsensitive); at >= 0;
         at = sentence.indexOf(word, at + 1, Qt::CaseInsensitive)) {
        const qsizetype end = at + word.size();
        const bool startsWord = at == 0 || !isWordCharacter(sentence[at - 1]);
        const bool endsWord = end == sentence.size() || !isWordCharacter(sentence[end]);
        if (startsWord && endsWord)
            return at;
    }
    return -1;
}

} // namespace

Sentences::Check Sentences::check(QStringView word, QStringView sentence)
{
    if (sentence.trimmed().isEmpty())
        return Check::Empty;
    if (sentence.size() > MaxLength)
        return Check::TooLong;
    // A tab or a line break would break the file the sentences are kept in, and shows as nothing.
    const bool control = std::any_of(sentence.begin(), sentence.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator;
    });
    if (control || !sentence.isValidUtf16())
        return Check::ControlCharacter;
    return contains(sentence, word) ? Check::Fine : Check::LacksWord;
}

bool Sentences::contains(QStringView sentence, QStringView word)
{
    return findWord(sentence, word, 0) >= 0;
}

QString Sentences::blanked(QStringView word, QStringView sentence)
{
    // As many strokes as a short word has letters would give its length away.
    static const QString blank(5, u'_');
    QString result;
    qsizetype done = 0;
    for (qsizetype at = findWord(sentence, word, 0); at >= 0; at = findWord(sentence, word, done)) {
        result += sentence.sliced(done, at - done);
        result += blank;
        done = at + word.size();
    }
    result += sentence.sliced(done);
    return result;
}

QString Sentences::of(QStringView word) const
{
    return m_sentences.value(key(word)).sentence;
}

bool Sentences::set(QStringView word, const QString &sentence)
{
    const QString trimmed = sentence.trimmed();
    if (trimmed.isEmpty()) {
        m_sentences.remove(key(word));
        return true;
    }
    if (word.isEmpty() || !isKeepable(check(word, trimmed)))
        return false;
    m_sentences.insert(key(word), {word.toString(), trimmed});
    return true;
}

QList<std::pair<QString, QString>> Sentences::entries() const
{
    QList<std::pair<QString, QString>> all;
    all.reserve(m_sentences.size());
    for (const Entry &entry : m_sentences)
        all.append({entry.word, entry.sentence});
    // The hash has no order of its own: files and tests want one that stays put.
    std::sort(all.begin(), all.end());
    return all;
}
