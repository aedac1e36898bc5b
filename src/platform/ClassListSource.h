#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// A list as the teacher published it to the class.
struct ClassList
{
    QString name;
    QStringList words;
    // One a word, in the words' order, empty for a word without one; or none at all.
    QStringList sentences;
    // The teacher's pick for the week: the class plays it from each computer's next start.
    bool thisWeek = false;
    // When the teacher last changed it: a list whose stamp has not moved is not written again.
    QDateTime updated;

    bool operator==(const ClassList &) const = default;
};
Q_DECLARE_METATYPE(ClassList)

// Where the published lists come from. A fetch returns at once and answers later, once, with
// fetched or failed: the lists travel over the network, never on the interface thread.
class ClassListSource : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Asks for every list published now; a fetch under way is not asked again.
    virtual void fetch() = 0;

Q_SIGNALS:
    // The whole published set: a list not in it has been withdrawn.
    void fetched(const QList<ClassList> &lists);
    // The lists could not be read; what the computer has stays as it is.
    void failed(const QString &why);
};

// Makes the source of a class record's service.
using ClassListSourceFactory = std::function<std::unique_ptr<ClassListSource>(const QString &)>;
