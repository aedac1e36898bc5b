#include "faults/PrivateMounts.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

bool g_available = false;
QString g_reason = QStringLiteral("not tried");

bool writeProcFile(const char *path, const QByteArray &text)
{
    const int fd = ::open(path, O_WRONLY);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, text.constData(), std::size_t(text.size())) == text.size();
    ::close(fd);
    return written;
}

QString lastError(const char *what)
{
    return QString::fromLatin1(what) + QStringLiteral(": ")
        + QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

void PrivateMounts::enter()
{
    const uid_t uid = ::getuid();
    const gid_t gid = ::getgid();
    if (::unshare(CLONE_NEWNS) != 0) {
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
            g_reason = lastError("unshare");
            return;
        }
        writeProcFile("/proc/self/setgroups", "deny");
        if (!writeProcFile("/proc/self/uid_map", "0 " + QByteArray::number(uid) + " 1")
            || !writeProcFile("/proc/self/gid_map", "0 " + QByteArray::number(gid) + " 1")) {
            g_reason = lastError("uid_map");
            return;
        }
    }
    // Without this, mounts could spread back to the machine's own namespace.
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        g_reason = lastError("mount --make-rprivate /");
        return;
    }
    g_available = true;
    g_reason.clear();
}

bool PrivateMounts::available()
{
    return g_available;
}

QString PrivateMounts::unavailableReason()
{
    return g_reason;
}

bool PrivateMounts::mountTmpfs(const QString &directory, qint64 bytes)
{
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0755";
    return ::mount("tmpfs", QFile::encodeName(directory).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
               options.constData())
        == 0;
}

bool PrivateMounts::remountReadOnly(const QString &directory)
{
    return ::mount(nullptr, QFile::encodeName(directory).constData(), nullptr,
               MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr)
        == 0;
}

bool PrivateMounts::unmount(const QString &directory)
{
    return ::umount2(QFile::encodeName(directory).constData(), MNT_DETACH) == 0;
}

qint64 PrivateMounts::fillUp(const QString &filePath)
{
    const int fd
        = ::open(QFile::encodeName(filePath).constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (fd < 0)
        return -1;
    const QByteArray block(512, 'x');
    qint64 total = 0;
    // Small blocks, so that the last partial page is used up as well.
    for (;;) {
        const ssize_t n = ::write(fd, block.constData(), std::size_t(block.size()));
        if (n <= 0)
            break;
        total += n;
    }
    ::close(fd);
    return total;
}
