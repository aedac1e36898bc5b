#pragma once

#include "classrecord/ClassDatabase.h"

#include <QObject>
#include <QUuid>

#include <memory>

// Does the class record's network work on a thread of its own, one request at a time, with a
// database connection of that thread's own. Each request answers by a signal, which reaches the
// interface thread queued.
class ClassRecordWorker : public QObject
{
    Q_OBJECT

public:
    ClassRecordWorker(
        ClassDatabaseFactory factory, const QString &service, const QString &computer);
    ~ClassRecordWorker() override;

    void send(const QList<PracticeRound> &rounds);
    void check();
    void readView(const QDateTime &weekStart);
    void readRounds();

Q_SIGNALS:
    // The server has committed these rounds.
    void sent(const QList<QUuid> &ids);
    // The answer to check(): None when the class record is ready to use.
    void checked(const ClassProblem &problem);
    void viewRead(const ClassView &view);
    void roundsRead(const QList<PracticeRound> &rounds);
    // A send or a read that did not get through.
    void failed(const ClassProblem &problem);

private:
    ClassProblem open();

    ClassDatabaseFactory m_factory;
    QString m_service;
    QString m_computer;
    std::unique_ptr<ClassDatabase> m_db;
};
