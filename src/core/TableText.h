#pragma once

#include <QByteArray>
#include <QString>

class QAbstractItemModel;

// A table model written out whole, its headings first: as HTML to print or save as PDF, and as
// CSV for a spreadsheet.
namespace TableText {

QString html(const QAbstractItemModel &model);
// UTF-8 with a byte-order mark so that spreadsheets read accented words right, CR LF line ends.
QByteArray csv(const QAbstractItemModel &model);
// A cell a spreadsheet reads as text: quoted where it holds a separator, a quote or a line end,
// and never taken for a formula, since names and words come from anyone's typing.
QString csvCell(const QString &value);

} // namespace TableText
