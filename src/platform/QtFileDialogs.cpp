#include "platform/QtFileDialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

using SideBarFolder = FileDialogs::SideBarFolder;

QString cleanNativePath(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

// The side bar names a folder after its last part, and does so again whenever the folder's entry
// changes: each of ours gets its own name back every time. The side bar shows a folder's path as
// its tooltip, which tells ours apart.
void nameSideBarFolders(QFileDialog &dialog, const QList<SideBarFolder> &folders)
{
    auto *sideBar = dialog.findChild<QAbstractItemView *>(u"sidebar"_s);
    QAbstractItemModel *model = sideBar ? sideBar->model() : nullptr;
    if (!model)
        return; // the folders keep the names the dialog gives them
    const auto rename = [model, folders] {
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex index = model->index(row, 0);
            const QString path = index.data(Qt::ToolTipRole).toString();
            for (const SideBarFolder &folder : folders) {
                if (path == cleanNativePath(folder.path) && index.data() != folder.name)
                    model->setData(index, folder.name);
            }
        }
    };
    rename();
    QObject::connect(model, &QAbstractItemModel::dataChanged, &dialog, rename);
    // The side bar starts as wide as its first entry: wide enough for every name instead.
    sideBar->setMinimumWidth(sideBar->sizeHintForColumn(0) + 2 * sideBar->frameWidth());
}

// Returns the places it added, which were not in the side bar already.
QList<QUrl> addToSideBar(QFileDialog &dialog, const QList<SideBarFolder> &folders)
{
    if (folders.isEmpty())
        return {};
    QList<QUrl> places = dialog.sidebarUrls();
    QList<QUrl> added;
    for (const SideBarFolder &folder : folders) {
        const QUrl place = QUrl::fromLocalFile(QDir::cleanPath(folder.path));
        if (!places.contains(place)) {
            places.append(place);
            added.append(place);
        }
    }
    dialog.setSidebarUrls(places);
    nameSideBarFolders(dialog, folders);
    return added;
}

// The dialog keeps its side bar in the user's Qt settings for every later dialog, of this program
// and of others: the places added for one dialog must not stay there.
void removeFromSideBar(QFileDialog &dialog, const QList<QUrl> &added)
{
    if (added.isEmpty())
        return;
    QList<QUrl> places = dialog.sidebarUrls();
    for (const QUrl &place : added)
        places.removeAll(place);
    dialog.setSidebarUrls(places);
}

} // namespace

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
    QFileDialog dialog(active ? active : m_parent.get(), options.title, options.startFolder);
    // A desktop's own dialog has no room for folders of ours; this must come before any setting.
    if (!options.sideBar.isEmpty())
        dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(options.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.confirmOverwrite);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters(options.nameFilters);
    if (!options.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(options.defaultSuffix);
    if (!options.fileName.isEmpty())
        dialog.selectFile(options.fileName);
    const QList<QUrl> added = addToSideBar(dialog, options.sideBar);
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    removeFromSideBar(dialog, added);
    if (!chosen)
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}
