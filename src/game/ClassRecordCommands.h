#pragma once

#include "classrecord/ClassDatabase.h"
#include "platform/PracticeRecordStore.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class ClassRecordConnection;
class ClassRecordSender;
class Preferences;
class QAction;
class RoundOutbox;

// The class record's rules for the game: every round and spelling-test answer the record keeps
// goes out in the background through the room's service; a change of the settings stops the old
// sender and starts a new one, and clearing them stops sending. It owns the preferences, which
// say when the class record's options change, and the "Class Record..." item.
class ClassRecordCommands : public QObject
{
    Q_OBJECT

public:
    explicit ClassRecordCommands(QObject *parent = nullptr);
    ~ClassRecordCommands() override;

    // Where the rounds still to send are read and marked, and how a class database is reached;
    // from main, before start(). Without them nothing leaves the computer.
    void setDatabase(RoundOutbox &outbox, ClassDatabaseFactory factory);
    // The record as the game writes it: what it keeps is then sent.
    PracticeRecordStore &sendingRecord(PracticeRecordStore &record);
    // Reads the options once start-up has found the game's folder; the sender starts after the
    // window is up, since its thread and driver can take that long.
    void start(const QString &homeDir);

    // From start() on.
    Preferences &preferences() const { return *m_preferences; }
    ClassDatabaseFactory factory() const { return m_factory; }
    QAction *classRecordAction() const { return m_classRecordAction; }
    // None while no class record is set.
    ClassRecordSender *sender() const { return m_sender.get(); }
    // Opens the class view's connection, through the teacher's service: empty on a computer
    // without one, which then has no class view.
    using Connector = std::function<std::unique_ptr<ClassRecordConnection>()>;
    Connector classView() const;
    // The name a round played now is kept under; empty while no class record is set.
    QString computerName() const;
    // How this computer's rounds stand; empty while no class record is set.
    QString waitingText() const;

public Q_SLOTS:
    // Sends what waits, unless a batch is under way or the sender pauses after a failure.
    void sendWaiting();

Q_SIGNALS:
    // "Class Record...": the dialog that sets or clears the class record.
    void setUpWanted();

private:
    void restartSender();

    class SendingRecord;
    std::unique_ptr<SendingRecord> m_sendingRecord;
    std::unique_ptr<Preferences> m_preferences;
    QAction *m_classRecordAction;
    RoundOutbox *m_outbox = nullptr;
    ClassDatabaseFactory m_factory;
    std::unique_ptr<ClassRecordSender> m_sender;
    // Several options set at once start one sender.
    QTimer m_restart;
};
