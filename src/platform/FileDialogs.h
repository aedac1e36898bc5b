#pragma once

#include <QList>
#include <QString>

#include <optional>

// The open and save file dialogs, set up the way the menus and the editor describe them.
class FileDialogs
{
public:
    // Flag values as the dialogs are described: combine with |.
    enum Flag : quint32 {
        OverwritePrompt = 0x2,
        HideReadOnly = 0x4,
        PathMustExist = 0x800,
        FileMustExist = 0x1000,
    };

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
        // Pairs of description and pattern separated by '|', as in "Lists(*.wdr)|*.wdr".
        QString filter;
        quint32 flags = 0;
        QString initialDirectory;
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
