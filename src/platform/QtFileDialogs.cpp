#include "platform/QtFileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

using namespace Qt::StringLiterals;

QStringList QtFileDialogs::nameFilters(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString &description = parts.at(i);
        const QString patterns = QString(parts.at(i + 1)).replace(u';', u' ');
        // The dialog reads its patterns from the last parentheses of the description.
        if (description.endsWith(u'(' + patterns + u')'))
            filters.append(description);
        else
            filters.append(description + u" ("_s + patterns + u')');
    }
    return filters;
}

std::optional<QString> QtFileDialogs::getOpenFileName(const Options &options)
{
    return run(options, false);
}

std::optional<QString> QtFileDialogs::getSaveFileName(const Options &options)
{
    return run(options, true);
}

std::optional<QString> QtFileDialogs::run(const Options &options, bool save)
{
    // Over the window the player is using, so that window is active again afterwards.
    QWidget *active = QApplication::activeWindow();
    QFileDialog dialog(active ? active : m_parent.get(), options.title, options.initialDirectory);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    const bool mustExist = (options.flags & FileMustExist) != 0;
    dialog.setFileMode(mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, (options.flags & OverwritePrompt) == 0);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters(nameFilters(options.filter));
    if (!options.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(options.defaultSuffix);
    if (!options.fileName.isEmpty())
        dialog.selectFile(options.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}
