#include "core/TableText.h"

#include <QAbstractItemModel>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

QStringList headings(const QAbstractItemModel &model)
{
    QStringList cells;
    for (int c = 0; c < model.columnCount(); ++c)
        cells.append(model.headerData(c, Qt::Horizontal).toString());
    return cells;
}

QStringList cells(const QAbstractItemModel &model, int row)
{
    QStringList cells;
    for (int c = 0; c < model.columnCount(); ++c)
        cells.append(model.index(row, c).data().toString());
    return cells;
}

QString htmlRow(const QStringList &cells, QStringView tag)
{
    QString html = u"<tr>"_s;
    for (const QString &cell : cells)
        html += u'<' + tag + u'>' + cell.toHtmlEscaped() + u"</"_s + tag + u'>';
    return html + u"</tr>"_s;
}

QString csvRow(const QStringList &cells)
{
    QStringList quoted;
    for (const QString &cell : cells)
        quoted.append(TableText::csvCell(cell));
    return quoted.join(u',') + u"\r\n"_s;
}

} // namespace

QString TableText::html(const QAbstractItemModel &model)
{
    QString html = u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">"_s
        + htmlRow(headings(model), u"th");
    for (int r = 0; r < model.rowCount(); ++r)
        html += htmlRow(cells(model, r), u"td");
    return html + u"</table>"_s;
}

QByteArray TableText::csv(const QAbstractItemModel &model)
{
    QString text = csvRow(headings(model));
    for (int r = 0; r < model.rowCount(); ++r)
        text += csvRow(cells(model, r));
    return "\xEF\xBB\xBF" + text.toUtf8();
}

QString TableText::csvCell(const QString &value)
{
    // What a spreadsheet takes for the start of a formula, a hyphen among them: it is a letter of
    // the game, so "-Q" or "-ing" is a cell anyone can make.
    QString cell = value;
    if (!cell.isEmpty() && (u"=+-@\t\r"_s).contains(cell.front()))
        cell.prepend(u'\'');
    if (cell.contains(u',') || cell.contains(u'"') || cell.contains(u'\n') || cell.contains(u'\r'))
        cell = u'"' + cell.replace(u'"', u"\"\""_s) + u'"';
    return cell;
}
