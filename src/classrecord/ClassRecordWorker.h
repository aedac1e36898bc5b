#pragma once

#include "classrecord/ClassDatabase.h"

#include <QObject>
#include <QUuid>

#include <functional>
#include <memory>

// Does the class record's network work on a thread of its own, one request at a time, with a
// database connection of that thread's own. Each request answers by a signal carrying the
// request's number, which reaches the interface thread queued.
class ClassRecordWorker : public QObject
{
    Q_OBJECT

public:
    ClassRecordWorker(
        ClassDatabaseFactory factory, const QString &service, const QString &computer);
    ~ClassRecordWorker() override;

    void send(quint64 request, const QList<PracticeRound> &rounds);
    void check(quint64 request);
    void readView(quint64 request, const QDateTime &weekStart);
    void readRounds(quint64 request);
    void readLists(quint64 request);
    // Publishing, withdrawing, marking this week's: each answers listChanged or failed.
    void changeLists(quint64 request, const std::function<ClassProblem(ClassDatabase &)> &change);

Q_SIGNALS:
    // The server has committed these rounds.
    void sent(quint64 request, const QList<QUuid> &ids);
    // The answer to check(): None when the class record is ready to use.
    void checked(quint64 request, const ClassProblem &problem);
    void viewRead(quint64 request, const ClassView &view);
    void roundsRead(quint64 request, const QList<PracticeRound> &rounds);
    void listsRead(quint64 request, const QList<ClassList> &lists);
    void listsChanged(quint64 request);
    // A send or a read that did not get through.
    void failed(quint64 request, const ClassProblem &problem);

private:
    ClassProblem open();
    // After any failure the connection is not trusted again: the next request opens a new one.
    ClassProblem settle(const ClassProblem &problem);
    ClassProblem run(const std::function<ClassProblem(ClassDatabase &)> &work);

    ClassDatabaseFactory m_factory;
    QString m_service;
    QString m_computer;
    std::unique_ptr<ClassDatabase> m_db;
};
