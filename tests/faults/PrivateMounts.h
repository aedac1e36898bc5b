#pragma once

#include <QString>

// Real disk faults for tests: a tmpfs of a few pages that fills up, or one mounted read-only.
// The process first moves into a mount namespace of its own, so every mount it makes is invisible
// to the rest of the machine and goes away with it, even after a crash.
class PrivateMounts
{
public:
    // Call before any thread starts. As root the namespace is a plain one; otherwise a user
    // namespace is tried, where the kernel allows it.
    static void enter();
    // Whether mounts can be made; if not, why.
    static bool available();
    static QString unavailableReason();

    // Mounts a fresh tmpfs of the given size on an existing, empty directory.
    static bool mountTmpfs(const QString &directory, qint64 bytes);
    // Makes a mounted tmpfs read-only, keeping what it holds.
    static bool remountReadOnly(const QString &directory);
    static bool unmount(const QString &directory);
    // Writes a file until the disk is full; the number of bytes it took.
    static qint64 fillUp(const QString &filePath);
};
