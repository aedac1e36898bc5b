#pragma once

#include "game/ClassRecordCommands.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class ClassRecordConnection;
class MessageBoxes;

// "Publish to Class...": a list typed in the editor goes to the class database through the
// teacher's login, under a name the teacher gives, in the background. A name published already
// is replaced only once the teacher says so. A message says when it is done, or why not.
class ClassListPublisher : public QObject
{
    Q_OBJECT

public:
    // A name the class reads in a title and a dialog's side bar, not a paragraph.
    static constexpr int MaxNameLength = 80;

    ClassListPublisher(
        const ClassRecordCommands &classRecord, MessageBoxes &messages, QObject *parent = nullptr);

    // Only through a teacher's service: a pupil's computer publishes nothing.
    bool canPublish() const { return bool(m_classRecord.classView()); }
    // Asks the list's name, then publishes the words with their sentences (one a word, empty for
    // none); one publishing at a time.
    void publish(const QStringList &words, const QStringList &sentences);

Q_SIGNALS:
    // The class has the list, or it was not published; after the message.
    void finished(bool published);

private:
    void replaceOrPublish(const QList<ClassList> &published);
    void end(bool published, const QString &message);

    const ClassRecordCommands &m_classRecord;
    MessageBoxes &m_messages;
    ClassList m_list;
    QPointer<ClassRecordConnection> m_connection;
};
