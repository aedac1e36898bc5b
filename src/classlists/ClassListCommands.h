#pragma once

#include "classlists/ClassListStore.h"
#include "game/RoundObserver.h"
#include "platform/ClassListSource.h"

#include <QObject>
#include <QSet>
#include <QTimer>

#include <memory>
#include <optional>

class GameState;
class MenuCaptions;
class MessageBoxes;
class Preferences;

// The lists a teacher publishes, on a computer with the class record set: fetched at start and
// every FetchEveryMs in the background, kept in the class lists folder, this week's put in play
// at start. A withdrawn list that is in play goes once its round has ended, and the start-up
// list takes its place.
class ClassListCommands : public QObject, public RoundObserver
{
    Q_OBJECT

public:
    static constexpr int FetchEveryMs = 10 * 60 * 1000;
    // After the list's path in the title.
    static constexpr QStringView ThisWeekNote = u"this week's class list";

    ClassListCommands(GameState &state, MenuCaptions &captions, MessageBoxes &messages,
        QObject *parent = nullptr);
    ~ClassListCommands() override;

    // Where the lists come from, before start(); without it nothing is fetched.
    void setSourceFactory(ClassListSourceFactory factory) { m_factory = std::move(factory); }

    // After start-up, with the class record's service (empty for none): this week's list in
    // play, from what the computer has, and the first fetch.
    void start(const QString &service);
    // The same with the class record's service of the preferences, following it as it changes.
    void start(const Preferences &preferences);
    // The class record's service changed: fetching goes to the new one, or stops.
    void setService(const QString &service);
    // Asks the server now, unless no class record is set or a fetch is under way.
    void fetch();

    // Connected to MenuCaptions::listInPlayChanged.
    void setListInPlay(const QString &listName) { m_listInPlay = listName; }

    ClassListStore store() const;

    void roundStarted(const QString &word) override;
    void roundEnded(const Round &round) override;

Q_SIGNALS:
    // A fetch has been taken in, or has failed; for whoever waits on it.
    void synced(const ClassListStore::Outcome &outcome);
    void fetchFailed(const QString &why);

private:
    void take(const QList<ClassList> &lists);
    void afterSync(const ClassListStore::Outcome &outcome);
    void putStartupListInPlay();
    bool play(const QString &path, const QString &note);
    void tell(const QStringList &messages);

    GameState &m_state;
    MenuCaptions &m_captions;
    MessageBoxes &m_messages;
    ClassListSourceFactory m_factory;
    std::unique_ptr<ClassListSource> m_source;
    QTimer m_timer;
    QString m_service;
    QString m_listInPlay;
    bool m_inRound = false;
    bool m_fetching = false;
    // The last set fetched, synced again once the round that kept a withdrawn list has ended.
    std::optional<QList<ClassList>> m_withdrawnInPlay;
    // Each refusal is told once a run, and never during a round.
    QSet<QString> m_told;
    QStringList m_untold;
};
