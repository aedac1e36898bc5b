#include "progress/ClassRecordSetup.h"

#include "classrecord/ClassRecordConnection.h"
#include "progress/ClassRecordSetupView.h"
#include "wordlists/Preferences.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

ClassRecordSetup::ClassRecordSetup(Preferences &preferences, ClassDatabaseFactory factory,
    ClassRecordSetupView &view, QObject *parent)
    : QObject(parent)
    , m_preferences(preferences)
    , m_factory(std::move(factory))
    , m_view(view)
{
    m_refresh.setInterval(RefreshMs);
    connect(&m_refresh, &QTimer::timeout, this, &ClassRecordSetup::showWaiting);
}

ClassRecordSetup::~ClassRecordSetup() = default;

bool ClassRecordSetup::isServiceName(const QString &service)
{
    static const QRegularExpression name(u"^[A-Za-z0-9_.-]*$"_s);
    return name.match(service).hasMatch();
}

void ClassRecordSetup::load()
{
    m_view.showSettings(
        m_preferences.classService(), m_preferences.teacherService(), m_preferences.computerName());
    m_view.showDefaultComputer(m_preferences.defaultComputerName());
    showWaiting();
    m_refresh.start();
}

void ClassRecordSetup::showWaiting()
{
    m_view.showWaiting(m_waiting ? m_waiting() : QString());
}

void ClassRecordSetup::test(
    const QString &service, const QString &teacherService, const QString &computer)
{
    const QString name = service.trimmed();
    const QString teacher = teacherService.trimmed();
    if (name.isEmpty() || !isServiceName(name) || !isServiceName(teacher)) {
        m_view.showOutcome(u"Type the service name from the school's pg_service.conf: letters, "
                           u"digits, '_', '-' and '.' only."_s,
            false);
        return;
    }
    if (!m_factory) {
        m_view.showOutcome(ClassProblem{ClassProblem::NoDriver, {}}.message(name), false);
        return;
    }
    m_view.showTesting(true);
    // A test still under way is dropped: its answer would be about another name.
    m_test = std::make_unique<ClassRecordConnection>(m_factory, name, computer.trimmed());
    m_teacherTest.reset();
    connect(m_test.get(), &ClassRecordConnection::checked, this,
        [this, name, teacher](quint64, const ClassProblem &problem) {
            if (teacher.isEmpty() || !problem.ok()) {
                m_view.showTesting(false);
                showWaiting();
                m_view.showOutcome(problem.message(name), problem.ok());
                return;
            }
            // The teacher's login is tried on what it is for: reading the class.
            m_teacherTest = std::make_unique<ClassRecordConnection>(m_factory, teacher, QString());
            const auto done = [this, teacher](const ClassProblem &read) {
                m_view.showTesting(false);
                showWaiting();
                m_view.showOutcome(read.ok()
                        ? u"Both services answer: this computer sends its rounds, and the "
                          u"teacher's login reads the class."_s
                        : read.message(teacher),
                    read.ok());
            };
            connect(m_teacherTest.get(), &ClassRecordConnection::viewRead, this,
                [done](quint64, const ClassView &) { done({}); });
            connect(m_teacherTest.get(), &ClassRecordConnection::failed, this,
                [done](quint64, const ClassProblem &read) { done(read); });
            m_teacherTest->readView(QDateTime::currentDateTime());
        });
    m_test->check();
}

bool ClassRecordSetup::apply(
    const QString &service, const QString &teacherService, const QString &computer)
{
    const QString name = service.trimmed();
    const QString teacher = teacherService.trimmed();
    for (const QString &typed : {name, teacher}) {
        if (!isServiceName(typed)) {
            m_view.showOutcome(u"\""_s + typed
                    + u"\" cannot be a service name: letters, digits, "
                      u"'_', '-' and '.' only."_s,
                false);
            return false;
        }
    }
    const bool changes = name != m_preferences.classService()
        || teacher != m_preferences.teacherService()
        || computer.trimmed() != m_preferences.computerName();
    if (!m_preferences.setClassService(name) || !m_preferences.setTeacherService(teacher)
        || !m_preferences.setComputerName(computer)) {
        m_view.showOutcome(
            u"The settings could not be kept: the game's folder cannot be written."_s, false);
        return false;
    }
    if (changes)
        Q_EMIT changed();
    return true;
}

bool ClassRecordSetup::clear()
{
    m_view.showSettings(QString(), QString(), m_preferences.computerName());
    return apply(QString(), QString(), m_preferences.computerName());
}
