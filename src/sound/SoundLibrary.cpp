#include "sound/SoundLibrary.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView BundleDir = u":/sounds";

} // namespace

QStringList SoundLibrary::bundledNames()
{
    return QDir(BundleDir.toString()).entryList(QDir::Files, QDir::Name);
}

QString SoundLibrary::bundledResource(QStringView fileName)
{
    static const QStringList names = bundledNames();
    for (const QString &name : names) {
        if (name.compare(fileName, Qt::CaseInsensitive) == 0)
            return BundleDir + u'/' + name;
    }
    return QString();
}

WavFile SoundLibrary::load(const QString &path)
{
    // A replacement that is missing, empty or not a playable sound leaves the bundled one.
    const WavFile own = fromFile(path);
    return own.isValid() ? own : bundled(path);
}

WavFile SoundLibrary::fromFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        m_files.remove(path);
        return WavFile();
    }
    CachedFile &cached = m_files[path];
    if (cached.size != info.size() || cached.modified != info.lastModified()) {
        cached.size = info.size();
        cached.modified = info.lastModified();
        cached.sound = WavFile::read(path);
    }
    return cached.sound;
}

WavFile SoundLibrary::bundled(const QString &path)
{
    const QString resource = bundledResource(QFileInfo(path).fileName());
    if (resource.isEmpty())
        return WavFile();
    auto found = m_bundled.find(resource);
    if (found == m_bundled.end())
        found = m_bundled.insert(resource, WavFile::read(resource));
    return *found;
}
