#pragma once

#include <QString>

#include <memory>

class QObject;
class QThread;

// A thread of its own for one worker object, so that a service outside the program (the audio
// server, the speech service) never holds up the user interface. The worker lives on the thread
// and is deleted there as the thread finishes. Stopping waits only so long: a thread still busy
// then is stuck in that service, and exit must not wait on it, so it is left running. Needs a
// QCoreApplication for as long as it lives.
class WorkerThread
{
public:
    // Stopping a stream or an engine takes milliseconds; two seconds means stuck.
    static constexpr int StopTimeoutMs = 2000;

    // Moves worker, which must have no parent, to a new thread named name, and starts it. Calls
    // queued to the worker from here on run there, in order.
    WorkerThread(const QString &name, QObject *worker);
    ~WorkerThread();

    WorkerThread(const WorkerThread &) = delete;
    WorkerThread &operator=(const WorkerThread &) = delete;

    // Ends the thread's event loop and waits for it at most timeoutMs. False when the thread is
    // still running: it is left behind for good (deleting a running QThread aborts the program)
    // and deletes itself should it ever finish while the event loop of this one still runs. A
    // second call answers the same without waiting again.
    bool stop(int timeoutMs = StopTimeoutMs);

private:
    std::unique_ptr<QThread> m_thread;
};
