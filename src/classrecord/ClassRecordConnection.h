#pragma once

#include "classrecord/ClassDatabase.h"

#include <QObject>
#include <QTimer>
#include <QUuid>

#include <memory>

class ClassRecordWorker;
class WorkerThread;

// The class record as the interface thread holds it: each request goes to a worker on a thread of
// its own and returns at once with its number; the answer comes later as a signal carrying that
// number. Nothing here ever waits on the network: a request with no answer by its deadline fails
// as Unreachable, together with those queued behind it, and its worker is left behind with its
// connection (a path that froze gives no error, and a cancel would travel the same path); the
// next request starts a new worker and a new connection.
class ClassRecordConnection : public QObject
{
    Q_OBJECT

public:
    using Request = quint64;
    static constexpr int DeadlineMs = 60 * 1000;

    ClassRecordConnection(ClassDatabaseFactory factory, const QString &service,
        const QString &computer, QObject *parent = nullptr);
    ~ClassRecordConnection() override;

    QString service() const { return m_service; }
    // How long one request may go unanswered: tests shorten it.
    void setDeadlineMs(int ms) { m_deadline.setInterval(ms); }
    int deadlineMs() const { return m_deadline.interval(); }

    Request send(const QList<PracticeRound> &rounds);
    Request check();
    Request readView(const QDateTime &weekStart);
    Request readRounds();
    Request readLists();
    Request publishList(const ClassList &list);
    Request withdrawList(const QString &name);
    // An empty name: no list is this week's.
    Request markThisWeek(const QString &name);

Q_SIGNALS:
    void sent(quint64 request, const QList<QUuid> &ids);
    void checked(quint64 request, const ClassProblem &problem);
    void viewRead(quint64 request, const ClassView &view);
    void roundsRead(quint64 request, const QList<PracticeRound> &rounds);
    void listsRead(quint64 request, const QList<ClassList> &lists);
    // A list published, withdrawn or marked.
    void listsChanged(quint64 request);
    void failed(quint64 request, const ClassProblem &problem);

private:
    template<typename Call>
    Request post(Call call);
    // Whether the answer is for a request still waiting here; it then counts as answered.
    bool answered(Request request);
    Request changeLists(std::function<ClassProblem(ClassDatabase &)> change);
    void expire();
    void leaveWorker();

    ClassDatabaseFactory m_factory;
    QString m_service;
    QString m_computer;
    std::unique_ptr<WorkerThread> m_thread;
    ClassRecordWorker *m_worker = nullptr;
    // The requests the worker has, oldest first; the deadline runs for the oldest.
    QList<Request> m_waiting;
    Request m_last = 0;
    QTimer m_deadline;
};
