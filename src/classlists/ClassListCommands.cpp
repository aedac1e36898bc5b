#include "classlists/ClassListCommands.h"

#include "core/GameState.h"
#include "game/FileCommands.h"
#include "game/MenuCaptions.h"
#include "platform/MessageBoxes.h"
#include "wordlists/Preferences.h"
#include "wordlists/SettingsFile.h"
#include "wordlists/WordListFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

using namespace Qt::StringLiterals;

namespace {
Q_LOGGING_CATEGORY(lcClassLists, "wordrow.classlists")
}

ClassListCommands::ClassListCommands(
    GameState &state, MenuCaptions &captions, MessageBoxes &messages, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_captions(captions)
    , m_messages(messages)
{
    m_timer.setInterval(FetchEveryMs);
    connect(&m_timer, &QTimer::timeout, this, &ClassListCommands::fetch);
}

ClassListCommands::~ClassListCommands() = default;

ClassListStore ClassListCommands::store() const
{
    return ClassListStore(FileCommands::classListsDir(m_state.homeDir));
}

void ClassListCommands::start(const QString &service)
{
    // A computer no longer in a class keeps its lists, but the class no longer picks its week.
    if (!service.isEmpty()) {
        if (const std::optional<QString> thisWeek = store().thisWeeksList())
            play(*thisWeek, ThisWeekNote.toString());
    }
    setService(service);
}

void ClassListCommands::start(const Preferences &preferences)
{
    start(preferences.classService());
    // The signal also tells of a new teacher's service or computer name, which change nothing here.
    connect(&preferences, &Preferences::classRecordChanged, this, [this, &preferences] {
        if (preferences.classService() != m_service)
            setService(preferences.classService());
    });
}

void ClassListCommands::setService(const QString &service)
{
    m_service = service;
    m_timer.stop();
    m_fetching = false;
    m_source.reset();
    if (service.isEmpty() || !m_factory)
        return;
    m_source = m_factory(service);
    if (!m_source)
        return;
    connect(m_source.get(), &ClassListSource::fetched, this, &ClassListCommands::take);
    connect(m_source.get(), &ClassListSource::failed, this, [this](const QString &why) {
        m_fetching = false;
        qCInfo(lcClassLists) << "The class lists could not be fetched:" << why;
        Q_EMIT fetchFailed(why);
    });
    m_timer.start();
    fetch();
}

void ClassListCommands::fetch()
{
    if (!m_source || m_fetching)
        return;
    m_fetching = true;
    m_source->fetch();
}

void ClassListCommands::take(const QList<ClassList> &lists)
{
    m_fetching = false;
    const QString keep = m_inRound ? m_listInPlay : QString();
    const ClassListStore::Outcome outcome = store().sync(lists, keep);
    m_withdrawnInPlay = outcome.kept ? std::optional(lists) : std::nullopt;
    afterSync(outcome);
}

void ClassListCommands::afterSync(const ClassListStore::Outcome &outcome)
{
    // The list in play has been withdrawn: the start-up list takes over.
    const QString folder = store().folder();
    if (QFileInfo(m_listInPlay).absolutePath() == QFileInfo(folder).absoluteFilePath()
        && !QFileInfo::exists(m_listInPlay)) {
        putStartupListInPlay();
    }
    tell(outcome.refusals);
    Q_EMIT synced(outcome);
}

void ClassListCommands::roundStarted(const QString &)
{
    m_inRound = true;
}

void ClassListCommands::roundEnded(const Round &)
{
    m_inRound = false;
    if (m_withdrawnInPlay) {
        const QList<ClassList> lists = *std::exchange(m_withdrawnInPlay, std::nullopt);
        afterSync(store().sync(lists));
    } else {
        tell({});
    }
}

void ClassListCommands::putStartupListInPlay()
{
    const QString home = m_state.homeDir;
    const QString startup = SettingsFile::read(home).startupList;
    if (!play(QDir(home).filePath(startup), {}))
        play(SettingsFile::defaultListPath(home), {});
}

bool ClassListCommands::play(const QString &path, const QString &note)
{
    WordListFile::LoadResult loaded = WordListFile::load(path);
    if (!loaded.isLoaded())
        return false;
    m_state.words = std::move(loaded.words);
    m_state.sentences = std::move(loaded.sentences);
    m_captions.showListInPlay(path, note);
    return true;
}

void ClassListCommands::tell(const QStringList &messages)
{
    for (const QString &message : messages) {
        if (!m_told.contains(message)) {
            m_told.insert(message);
            m_untold.append(message);
        }
    }
    if (m_inRound || m_untold.isEmpty())
        return;
    m_messages.inform(m_untold.join(u"\n\n"_s), u"Class Lists"_s, MessageBoxes::Icon::Information);
    m_untold.clear();
}
