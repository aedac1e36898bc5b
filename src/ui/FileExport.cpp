#include "ui/FileExport.h"

#include "core/WholeFile.h"

#include <QBuffer>
#include <QDir>
#include <QPdfWriter>
#include <QTextDocument>

#ifdef WORDROW_PRINTING
#include <QPrintDialog>
#include <QPrinter>
#endif

using namespace Qt::StringLiterals;

FileExport::Failure FileExport::writeBytes(const QString &path, QByteArrayView bytes)
{
    QString reason;
    if (WholeFile::write(path, bytes, &reason))
        return std::nullopt;
    return u"The file "_s + QDir::toNativeSeparators(path) + u" could not be written: "_s + reason
        + u". Nothing was saved."_s;
}

QByteArray FileExport::pdf(const QString &html, const QString &title)
{
    // Made in memory, then written whole: QPdfWriter writes as it goes.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(u"Wordrow"_s);
        writer.setPageSize(QPageSize(QPageSize::A4));
        QTextDocument document;
        document.setHtml(html);
        document.print(&writer);
    }
    return buffer.data();
}

FileExport::Failure FileExport::writePdf(
    const QString &path, const QString &html, const QString &title)
{
    return writeBytes(path, pdf(html, title));
}

#ifdef WORDROW_PRINTING
FileExport::Failure FileExport::print(
    const QString &html, const QString &title, const QString &dialogTitle, QWidget *parent)
{
    QPrinter printer;
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(dialogTitle);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return writePdf(printer.outputFileName(), html, title);
    printer.setDocName(title);
    QTextDocument document;
    document.setHtml(html);
    document.print(&printer);
    return std::nullopt;
}
#endif
