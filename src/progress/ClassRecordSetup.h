#pragma once

#include "classrecord/ClassDatabase.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

class ClassRecordConnection;
class ClassRecordSetupView;
class Preferences;

// The rules of "Class Record...": the service names of the school's pg_service.conf (the room's,
// which sends the rounds, and on the teacher's computer the teacher's, which reads the class) and
// this computer's name, kept in the preferences, set or cleared; a test of the connections runs in
// the background and says plainly what failed.
class ClassRecordSetup : public QObject
{
    Q_OBJECT

public:
    ClassRecordSetup(Preferences &preferences, ClassDatabaseFactory factory,
        ClassRecordSetupView &view, QObject *parent = nullptr);
    ~ClassRecordSetup() override;

    // A libpq service name: letters, digits, '_', '-' and '.'; empty for none.
    static bool isServiceName(const QString &service);

    // The sender goes on while the dialog is open: what waits is read again this often.
    static constexpr int RefreshMs = 2000;

    // What waits to be sent, said on load, after each test and every RefreshMs; none while no
    // rounds are sent.
    void setWaiting(std::function<QString()> waiting) { m_waiting = std::move(waiting); }
    void load();
    void test(const QString &service, const QString &teacherService, const QString &computer);
    // Keeps the settings; false, with the reason shown, when they cannot be kept.
    bool apply(const QString &service, const QString &teacherService, const QString &computer);
    // No class record any more: the rounds stay on this computer only.
    bool clear();

Q_SIGNALS:
    // The settings kept have changed: whoever sends the rounds starts again with them.
    void changed();

private:
    void showWaiting();

    Preferences &m_preferences;
    ClassDatabaseFactory m_factory;
    ClassRecordSetupView &m_view;
    std::unique_ptr<ClassRecordConnection> m_test;
    std::unique_ptr<ClassRecordConnection> m_teacherTest;
    std::function<QString()> m_waiting;
    QTimer m_refresh;
};
