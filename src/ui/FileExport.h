#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

class QWidget;

// Every file the windows save for elsewhere (a table as CSV, a report as PDF, a printout a
// printer writes to a file) goes through here, written whole: the file appears complete or not
// at all, and a failure comes back as the message that says why.
class FileExport
{
public:
    // "The file ... could not be written: No space left on device. Nothing was saved.", or
    // nothing when the file was written.
    using Failure = std::optional<QString>;

    static Failure writeBytes(const QString &path, QByteArrayView bytes);
    // The HTML laid out on pages, the title in the PDF's properties.
    static Failure writePdf(const QString &path, const QString &html, const QString &title);
    static QByteArray pdf(const QString &html, const QString &title);
#ifdef WORDROW_PRINTING
    // Asks for a printer and prints; a printer that makes a PDF file writes it as writePdf does,
    // since left to itself it would leave half a file on a full disk.
    static Failure print(
        const QString &html, const QString &title, const QString &dialogTitle, QWidget *parent);
#endif
};
