#include "platform/DiskFileSystem.h"
#include "platform/QtFileDialogs.h"
#include "support/TempDir.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Runs the steps on the file dialog once it is up; the dialog is closed afterwards in any case,
// so that a failed step cannot leave the test waiting.
void whenDialogShows(std::function<void(QFileDialog &)> steps)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, steps] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        steps(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    timer->start(10);
}

// The side bar's entries as the player reads them, one a line.
std::string sideBarNames(const QAbstractItemView &sideBar)
{
    QStringList names;
    for (int row = 0; row < sideBar.model()->rowCount(); ++row)
        names.append(sideBar.model()->index(row, 0).data().toString());
    return names.join(u'\n').toStdString();
}

} // namespace

TEST(QtFileDialogs, showsAFolderInTheSideBarUnderItsOwnNameForThatDialogOnly)
{
    // Dialogs keep their places in the user's Qt settings: here the test's own, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    ASSERT_TRUE(QSettings(QSettings::UserScope, u"QtProject"_s).fileName().contains(u".qttest"_s));

    TempDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"lists"_s));
    const QString folder = dir.filePath(u"lists"_s);
    const QString list = dir.write(u"lists/Animals.wdr"_s, "\"CAT\"\r\n");
    FileDialogs::Options options;
    options.title = u"File Open"_s;
    options.nameFilters = {u"Wordrow Files(*.wdr)"_s};
    options.fileMustExist = true;
    // The folder's parent: reading it makes the side bar refresh the folder's entry.
    options.startFolder = dir.path();
    options.sideBar = {{u"Ready-made lists"_s, folder}};

    std::string namesAtFirst;
    std::string namesInFolder;
    QString toolTip;
    whenDialogShows([&](QFileDialog &dialog) {
        auto *sideBar = dialog.findChild<QAbstractItemView *>(u"sidebar"_s);
        ASSERT_NE(sideBar, nullptr);
        namesAtFirst = sideBarNames(*sideBar);
        const QModelIndexList found = sideBar->model()->match(sideBar->model()->index(0, 0),
            Qt::DisplayRole, u"Ready-made lists"_s, -1, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << namesAtFirst;
        const QModelIndex entry = found.constFirst();
        toolTip = entry.data(Qt::ToolTipRole).toString();

        // A click on the entry opens the folder.
        sideBar->setCurrentIndex(entry);
        auto *model = dialog.findChild<QFileSystemModel *>();
        ASSERT_NE(model, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return dialog.directory() == QDir(folder) && model->rowCount(model->index(folder)) == 1;
        }));
        namesInFolder = sideBarNames(*sideBar);
        // The player types the name and presses Enter.
        auto *fileName = dialog.findChild<QLineEdit *>(u"fileNameEdit"_s);
        ASSERT_NE(fileName, nullptr);
        fileName->setText(u"Animals.wdr"_s);
        QTest::keyClick(fileName, Qt::Key_Return);
    });
    QtFileDialogs dialogs;
    EXPECT_EQ(dialogs.getOpenFileName(options).value_or(u"(cancelled)"_s).toStdString(),
        list.toStdString());
    // Also after the dialog read the folder and its parent, which names it after itself again.
    EXPECT_EQ(namesInFolder, namesAtFirst);
    EXPECT_EQ(toolTip, folder);

    // Dialogs after it, of this program or another, start without it.
    {
        QFileDialog later;
        EXPECT_FALSE(later.sidebarUrls().contains(QUrl::fromLocalFile(folder)));
    }
    QFile::remove(QSettings(QSettings::UserScope, u"QtProject"_s).fileName());
}

TEST(DiskFileSystem, saysWhetherAFileIsGoneAfterRemovingIt)
{
    TempDir dir;
    DiskFileSystem files;
    const QString list = dir.write(u"week1.wdr"_s, "\"CAT\"\r\n");
    EXPECT_TRUE(files.exists(list));
    EXPECT_TRUE(files.remove(list));
    EXPECT_FALSE(files.exists(list));
    // Already gone is gone.
    EXPECT_TRUE(files.remove(list));

    const QString link = dir.filePath(u"dangling.wdr"_s);
    ASSERT_TRUE(QFile::link(dir.filePath(u"nowhere"_s), link));
    EXPECT_TRUE(files.remove(link));
    EXPECT_FALSE(QFileInfo(link).isSymLink());

    // A directory is not a file this command deletes.
    const QString folder = dir.filePath(u"folder.wdr"_s);
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"folder.wdr"_s));
    EXPECT_FALSE(files.remove(folder));
}

TEST(DiskFileSystem, findsANameTakenInAnyLetterCase)
{
    TempDir dir;
    DiskFileSystem files;
    dir.write(u"Week1.WDR"_s, "\"CAT\"\r\n");
    EXPECT_TRUE(files.existsIgnoringCase(dir.filePath(u"week1.wdr"_s)));
    EXPECT_TRUE(files.existsIgnoringCase(dir.filePath(u"Week1.WDR"_s)));
    EXPECT_FALSE(files.existsIgnoringCase(dir.filePath(u"week2.wdr"_s)));
    EXPECT_FALSE(files.existsIgnoringCase(dir.filePath(u"no folder/week1.wdr"_s)));

    // A dangling link or a folder takes the name as much as a file does.
    ASSERT_TRUE(QFile::link(dir.filePath(u"nowhere"_s), dir.filePath(u"Link.wdr"_s)));
    EXPECT_TRUE(files.existsIgnoringCase(dir.filePath(u"link.wdr"_s)));
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"Folder.wdr"_s));
    EXPECT_TRUE(files.existsIgnoringCase(dir.filePath(u"FOLDER.wdr"_s)));
}
