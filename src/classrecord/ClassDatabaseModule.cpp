#include "classrecord/ClassDatabaseModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QLoggingCategory>

using namespace Qt::StringLiterals;

namespace {
Q_LOGGING_CATEGORY(lcModule, "wordrow.classrecord")
}

QStringList ClassDatabaseModule::defaultDirs()
{
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir, dir + u"/../lib/wordrow"_s};
}

ClassDatabaseFactory ClassDatabaseModule::load(const QStringList &dirs)
{
    for (const QString &dir : dirs) {
        // Stays loaded for the rest of the run: QLibrary unloads only when asked.
        QLibrary module(QDir(dir).filePath(u"wordrow_class_record"_s));
        if (!module.load()) {
            qCDebug(lcModule) << module.errorString();
            continue;
        }
        if (auto create
            = reinterpret_cast<CreateClassDatabase>(module.resolve(CreateClassDatabaseSymbol))) {
            return [create] { return std::unique_ptr<ClassDatabase>(create()); };
        }
    }
    qCWarning(lcModule) << "No class record module in" << dirs;
    return {};
}
