#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The open and save file dialogs, set up the way the menus and the editor describe them.
class FileDialogs
{
public:
    // A folder offered in the dialog's side bar, under a name of its own.
    struct SideBarFolder
    {
        QString name;
        QString path;

        bool operator==(const SideBarFolder &) const = default;
    };

    struct Options
    {
        QString title;
        // As QFileDialog takes them: "Lists (*.wdr)", the patterns in the last parentheses.
        QStringList nameFilters;
        QString startFolder;
        // Only a file that is there can be chosen.
        bool fileMustExist = false;
        // Choosing a file that is there asks whether to replace it.
        bool confirmOverwrite = false;
        QString fileName;
        QString defaultSuffix;
        // Added to the side bar's usual places for this dialog only.
        QList<SideBarFolder> sideBar;
    };

    virtual ~FileDialogs() = default;

    // The chosen file's full path, or nullopt when the player cancelled.
    virtual std::optional<QString> getOpenFileName(const Options &options) = 0;
    virtual std::optional<QString> getSaveFileName(const Options &options) = 0;
};
