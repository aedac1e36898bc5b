#include "classlists/ClassListPublisher.h"

#include "classlists/ClassListStore.h"
#include "classrecord/ClassRecordConnection.h"
#include "platform/MessageBoxes.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
constexpr QStringView Title = u"Publish to Class";
}

ClassListPublisher::ClassListPublisher(
    const ClassRecordCommands &classRecord, MessageBoxes &messages, QObject *parent)
    : QObject(parent)
    , m_classRecord(classRecord)
    , m_messages(messages)
{
}

void ClassListPublisher::publish(const QStringList &words, const QStringList &sentences)
{
    const ClassRecordCommands::Connector connect = m_classRecord.classView();
    if (m_connection || !connect)
        return;
    const std::optional<QString> typed = m_messages.askText(
        u"The name the class will see this list under:"_s, Title.toString(), m_list.name);
    if (!typed)
        return;
    const QString name = typed->simplified();
    const bool noSentences = std::all_of(
        sentences.cbegin(), sentences.cend(), [](const QString &s) { return s.isEmpty(); });
    m_list = {name, words, noSentences ? QStringList() : sentences, false, {}};
    QString why = ClassListStore::problem(m_list);
    if (name.isEmpty() || name.size() > MaxNameLength)
        why = u"its name must be 1 to %1 characters long."_s.arg(MaxNameLength);
    if (!why.isEmpty()) {
        end(false, u"The list cannot be published: "_s + why);
        return;
    }
    m_connection = connect().release();
    m_connection->setParent(this);
    QObject::connect(m_connection, &ClassRecordConnection::listsRead, this,
        [this](quint64, const QList<ClassList> &published) { replaceOrPublish(published); });
    QObject::connect(m_connection, &ClassRecordConnection::listsChanged, this, [this] {
        end(true,
            u"\"%1\" is published to the class. Each computer of the class has it within "
            u"ten minutes, or when it next starts."_s.arg(m_list.name));
    });
    QObject::connect(
        m_connection, &ClassRecordConnection::failed, this, [this](quint64, const ClassProblem &p) {
            end(false, u"The list was not published. "_s + p.message(m_connection->service()));
        });
    m_connection->readLists();
}

void ClassListPublisher::replaceOrPublish(const QList<ClassList> &published)
{
    const bool taken = std::any_of(published.cbegin(), published.cend(),
        [this](const ClassList &list) { return list.name == m_list.name; });
    if (taken
        && m_messages.ask(u"A list named \"%1\" is published to the class already. Replace it "
                          u"with this one?"_s.arg(m_list.name),
               Title.toString(), MessageBoxes::Icon::None, MessageBoxes::Answer::No)
            == MessageBoxes::Answer::No) {
        end(false, {});
        return;
    }
    m_connection->publishList(m_list);
}

void ClassListPublisher::end(bool published, const QString &message)
{
    if (m_connection)
        m_connection->deleteLater();
    m_connection = nullptr;
    if (!message.isEmpty())
        m_messages.inform(message, Title.toString(), MessageBoxes::Icon::Information);
    Q_EMIT finished(published);
}
