#include "windows/ManualHtml.h"

#include <QFile>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

constexpr auto Options
    = QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption;

QStringList captures(const QString &html, const QString &pattern)
{
    QStringList found;
    const QRegularExpression expression(pattern, Options);
    for (const QRegularExpressionMatch &match : expression.globalMatch(html))
        found.append(match.captured(1));
    return found;
}

} // namespace

namespace ManualHtml {

QString resource()
{
    QFile file(u":/manual/manual.html"_s);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString plainText(const QString &html)
{
    QString text = html;
    text.replace(QRegularExpression(u"<br\\s*/?>"_s, Options), u"\n"_s);
    text.remove(QRegularExpression(u"<[^>]*>"_s));
    text.replace(u"&lt;"_s, u"<"_s)
        .replace(u"&gt;"_s, u">"_s)
        .replace(u"&quot;"_s, u"\""_s)
        .replace(u"&#39;"_s, u"'"_s)
        .replace(u"&nbsp;"_s, u" "_s)
        .replace(u"&amp;"_s, u"&"_s);
    return text.simplified();
}

QList<Heading> headings(const QString &html, int level)
{
    QList<Heading> found;
    const QRegularExpression heading(u"<h%1\\b([^>]*)>(.*?)</h%1>"_s.arg(level), Options);
    const QRegularExpression id(u"\\bid\\s*=\\s*\"([^\"]*)\""_s, Options);
    for (const QRegularExpressionMatch &match : heading.globalMatch(html))
        found.append({id.match(match.captured(1)).captured(1), plainText(match.captured(2))});
    return found;
}

QStringList anchors(const QString &html)
{
    return captures(html, u"<[a-z][^>]*?\\b(?:id|name)\\s*=\\s*\"([^\"]*)\""_s);
}

QStringList links(const QString &html)
{
    return captures(html, u"\\bhref\\s*=\\s*\"([^\"]*)\""_s);
}

QString section(const QString &html, const QString &anchor)
{
    const qsizetype start = html.indexOf(u"id=\""_s + anchor + u'"');
    if (start < 0)
        return QString();
    const qsizetype end = html.indexOf(u"<h2"_s, start, Qt::CaseInsensitive);
    return html.mid(start, end < 0 ? -1 : end - start);
}

QList<QStringList> tableRows(const QString &html)
{
    QList<QStringList> rows;
    for (const QString &row : captures(html, u"<tr\\b[^>]*>(.*?)</tr>"_s)) {
        QStringList cells;
        for (const QString &cell : captures(row, u"<t[dh]\\b[^>]*>(.*?)</t[dh]>"_s))
            cells.append(plainText(cell));
        rows.append(cells);
    }
    return rows;
}

} // namespace ManualHtml
