#pragma once

#include "classrecord/ClassDatabase.h"

#include <QObject>
#include <QUuid>

class ClassRecordWorker;
class QThread;

// The class record as the interface thread holds it: each request goes to a worker on a thread of
// its own and returns at once; the answer comes later as a signal. Nothing here ever waits on the
// network.
class ClassRecordConnection : public QObject
{
    Q_OBJECT

public:
    // How long closing waits for a request under way before leaving it to finish alone.
    static constexpr int CloseWaitMs = 2000;

    ClassRecordConnection(ClassDatabaseFactory factory, const QString &service,
        const QString &computer, QObject *parent = nullptr);
    ~ClassRecordConnection() override;

    QString service() const { return m_service; }

    void send(const QList<PracticeRound> &rounds);
    void check();
    void readView(const QDateTime &weekStart);
    void readRounds();

Q_SIGNALS:
    void sent(const QList<QUuid> &ids);
    void checked(const ClassProblem &problem);
    void viewRead(const ClassView &view);
    void roundsRead(const QList<PracticeRound> &rounds);
    void failed(const ClassProblem &problem);

private:
    QString m_service;
    QThread *m_thread = nullptr;
    ClassRecordWorker *m_worker = nullptr;
};
