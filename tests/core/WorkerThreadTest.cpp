#include "core/WorkerThread.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QSemaphore>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// A thread's event loop needs an application, as in the program.
class WorkerThreadTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { app = new QCoreApplication(argc, argv); }
    static void TearDownTestSuite() { delete app; }

    static inline int argc = 1;
    static inline char name[] = "core_tests";
    static inline char *argv[] = {name, nullptr};
    static inline QCoreApplication *app = nullptr;
};

TEST_F(WorkerThreadTest, RunsTheWorkerOnItsThreadAndDeletesItThereAsItStops)
{
    auto *worker = new QObject;
    const QPointer<QObject> alive = worker;
    WorkerThread thread(QStringLiteral("test-worker"), worker);
    QThread *ranOn = nullptr;
    QMetaObject::invokeMethod(
        worker, [&] { ranOn = QThread::currentThread(); }, Qt::BlockingQueuedConnection);
    EXPECT_NE(ranOn, QThread::currentThread());

    EXPECT_TRUE(thread.stop());
    EXPECT_TRUE(alive.isNull());
}

TEST_F(WorkerThreadTest, LeavesAStuckThreadBehindWhichGoesOnceItFinishes)
{
    QSemaphore busy;
    QSemaphore stuck;
    auto *worker = new QObject;
    QPointer<QThread> left;
    {
        WorkerThread thread(QStringLiteral("test-stuck"), worker);
        left = worker->thread();
        QMetaObject::invokeMethod(worker, [&] {
            busy.release();
            stuck.acquire();
        });
        busy.acquire();
        EXPECT_FALSE(thread.stop(50));
        EXPECT_FALSE(thread.stop()); // at once: the thread is no longer this one's to wait on
    }
    ASSERT_FALSE(left.isNull());

    stuck.release();
    for (QDeadlineTimer deadline(10000); left && !deadline.hasExpired();) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_TRUE(left.isNull());
}

} // namespace
