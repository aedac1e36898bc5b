#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Reads the manual's HTML as written, without Qt's rich-text engine, so that tests can hold what
// the window shows against the file itself.
namespace ManualHtml {

struct Heading
{
    QString anchor; // the id, empty when the heading has none
    QString title; // as a reader sees it
};

// The manual compiled into the program; empty when it is missing.
QString resource();

// The text a reader sees in a piece of HTML: tags dropped, entities decoded, spaces folded.
QString plainText(const QString &html);

// The headings of one level, in order.
QList<Heading> headings(const QString &html, int level);

// Every id or name an element carries, and every link's target, in order.
QStringList anchors(const QString &html);
QStringList links(const QString &html);

// The HTML from a section's heading up to the next section's.
QString section(const QString &html, const QString &anchor);

// The rows of every table in a piece of HTML, each as its cells' plain text.
QList<QStringList> tableRows(const QString &html);

} // namespace ManualHtml
