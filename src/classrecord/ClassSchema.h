#pragma once

#include <span>

// The class record's tables on the server, made and upgraded only by the administrator's set-up
// (PostgresClassSetUp), one step a version; the game itself only reads the version. Each login the
// set-up is given is a room login (the pupils' computers: they add rounds and read nothing) or a
// teacher login (reads the class); the logins are kept with their kind, so that a later step can
// grant each kind what its tables need.
namespace ClassSchema {

// Version 2: the tables belong to the set-up's login, and the logins have only their kind's rights.
// Version 3: the lists a teacher publishes to the class.
inline constexpr int Version = 3;
// Two set-ups at once wait for each other on this lock.
inline constexpr int SetupLock = 0x57647277;

inline constexpr char Lock[] = R"(SELECT pg_advisory_xact_lock(?))";
inline constexpr char Exists[] = R"(SELECT to_regclass('wordrow_schema') IS NOT NULL)";
inline constexpr char ReadVersion[] = R"(SELECT coalesce(max(version), 0) FROM wordrow_schema)";

inline constexpr char CreateVersion[] = R"(
CREATE TABLE IF NOT EXISTS wordrow_schema (version integer NOT NULL))";
inline constexpr char CreateRounds[] = R"(
CREATE TABLE IF NOT EXISTS wordrow_rounds (
    id            uuid PRIMARY KEY,
    computer      text NOT NULL,
    player        text NOT NULL,
    played_at     timestamptz NOT NULL,
    list          text NOT NULL,
    word          text NOT NULL,
    result        text NOT NULL,
    misses        integer NOT NULL,
    wrong_letters text NOT NULL,
    kind          text NOT NULL,
    typed         text NOT NULL,
    test_started  timestamptz,
    received_at   timestamptz NOT NULL DEFAULT now()
))";
inline constexpr char CreatePlayerIndex[] = R"(
CREATE INDEX IF NOT EXISTS wordrow_rounds_by_player ON wordrow_rounds (lower(player), word, played_at))";
inline constexpr char CreateLogins[] = R"(
CREATE TABLE wordrow_logins (
    login name PRIMARY KEY,
    kind  text NOT NULL CHECK (kind IN ('room', 'teacher'))
))";
inline constexpr char RevokePublic[] = R"(
REVOKE ALL ON wordrow_schema, wordrow_rounds, wordrow_logins FROM PUBLIC)";
// A list's words and sentences are JSON arrays of text, in the list's order: one row is one list,
// read and written whole. No sentences, or one a word (empty for none).
inline constexpr char CreateLists[] = R"(
CREATE TABLE wordrow_lists (
    name         text PRIMARY KEY CHECK (name <> ''),
    words        jsonb NOT NULL CHECK (CASE WHEN jsonb_typeof(words) = 'array'
                                            THEN jsonb_array_length(words) BETWEEN 1 AND 32767 END),
    sentences    jsonb NOT NULL CHECK (CASE WHEN jsonb_typeof(sentences) = 'array'
                                            THEN jsonb_array_length(sentences) IN (0, jsonb_array_length(words)) END),
    this_week    boolean NOT NULL DEFAULT false,
    published_at timestamptz NOT NULL DEFAULT now(),
    updated_at   timestamptz NOT NULL DEFAULT now()
))";
// This week's list is one at most.
inline constexpr char CreateThisWeekIndex[] = R"(
CREATE UNIQUE INDEX wordrow_lists_this_week ON wordrow_lists (this_week) WHERE this_week)";
inline constexpr char RevokePublicLists[] = R"(REVOKE ALL ON wordrow_lists FROM PUBLIC)";
inline constexpr char WriteVersion[] = R"(INSERT INTO wordrow_schema (version) VALUES (?))";

// Steps[n] takes the tables from version n to n + 1. Version 1 was made by the game itself, with
// the room's login: the take-over below gives such tables to the set-up's login first.
inline constexpr const char *Step1[] = {CreateRounds, CreatePlayerIndex};
inline constexpr const char *Step2[] = {CreateLogins, RevokePublic};
inline constexpr const char *Step3[] = {CreateLists, CreateThisWeekIndex, RevokePublicLists};
inline constexpr std::span<const char *const> Steps[] = {Step1, Step2, Step3};
static_assert(std::size(Steps) == Version);

// The tables belong to whoever runs the set-up: those of version 1 belonged to the room's login,
// which could read, change and drop them all. Before the steps, which alter them.
inline constexpr char TakeOverTables[] = R"(
DO $$
DECLARE t text;
BEGIN
    FOR t IN SELECT c.relname FROM pg_class c
             WHERE c.relnamespace = to_regnamespace(current_schema())
               AND c.relname IN ('wordrow_schema', 'wordrow_rounds', 'wordrow_logins')
               AND c.relkind = 'r'
               AND c.relowner <> (SELECT oid FROM pg_roles WHERE rolname = current_user)
    LOOP
        EXECUTE format('ALTER TABLE %I OWNER TO %I', t, current_user);
    END LOOP;
END $$)";
// And so does the database when one of the game's logins owns it: its owner may make tables.
inline constexpr char TakeOverDatabase[] = R"(
DO $$ BEGIN
    IF EXISTS (SELECT FROM pg_database d
               JOIN pg_roles r ON r.oid = d.datdba JOIN wordrow_logins l ON l.login = r.rolname
               WHERE d.datname = current_database()) THEN
        EXECUTE format('ALTER DATABASE %I OWNER TO %I', current_database(), current_user);
    END IF;
END $$)";

inline constexpr char LoginExists[]
    = R"(SELECT count(*) FROM pg_roles WHERE rolname = ? AND rolcanlogin)";
inline constexpr char KeepLogin[] = R"(
INSERT INTO wordrow_logins (login, kind) VALUES (?, ?)
ON CONFLICT (login) DO UPDATE SET kind = excluded.kind)";
// The logins kept, those since dropped from the server left out.
inline constexpr char Logins[] = R"(
SELECT login::text AS login, kind FROM wordrow_logins WHERE login IN (SELECT rolname FROM pg_roles) ORDER BY login)";

// GRANT takes no parameters: each grant names its login as %I, filled in on the server from a
// bound value, so no login's name is ever pasted into a statement.
inline constexpr char SetGrant[] = R"(
SELECT set_config('wordrow.grant', ?, true), set_config('wordrow.login', ?, true))";
inline constexpr char RunGrant[] = R"(
DO $$ BEGIN
    EXECUTE format(current_setting('wordrow.grant'), current_setting('wordrow.login'));
END $$)";
// Each login's rights are set afresh from its kind: a login that changed kind keeps nothing of the
// old one.
inline constexpr char RevokeLogin[]
    = R"(REVOKE ALL ON wordrow_schema, wordrow_rounds, wordrow_logins, wordrow_lists FROM %I)";
inline constexpr const char *RoomGrants[] = {
    R"(GRANT SELECT ON wordrow_schema, wordrow_lists TO %I)",
    R"(GRANT INSERT ON wordrow_rounds TO %I)",
};
inline constexpr const char *TeacherGrants[] = {
    R"(GRANT SELECT ON wordrow_schema, wordrow_rounds TO %I)",
    R"(GRANT SELECT, INSERT, UPDATE, DELETE ON wordrow_lists TO %I)",
};

// A batch is this head, one row of placeholders a round, and the tail.
inline constexpr char InsertHead[] = R"(
INSERT INTO wordrow_rounds (id, computer, player, played_at, list, word, result, misses,
                            wrong_letters, kind, typed, test_started)
VALUES )";
inline constexpr char InsertRow[] = R"((?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?))";
// No conflict target: naming one would need the right to read the ids.
inline constexpr char InsertTail[] = R"( ON CONFLICT DO NOTHING)";

// Players are one whatever the letter case of their names; the week's start is bound twice.
inline constexpr char Players[] = R"(
SELECT lower(player) AS who,
       (array_agg(player ORDER BY played_at DESC))[1] AS name,
       count(*) FILTER (WHERE kind = 'game' AND result <> 'abandoned' AND played_at >= ?) AS played_this_week,
       count(*) FILTER (WHERE kind = 'game' AND result = 'won' AND played_at >= ?) AS won_this_week,
       count(*) FILTER (WHERE kind = 'game' AND result <> 'abandoned') AS played_in_all,
       count(DISTINCT computer) AS computers
FROM wordrow_rounds
GROUP BY lower(player)
ORDER BY lower(player))";

// The local record's trouble-word rule over each player's games: a try is trouble when lost or
// won with three misses or more; the tries count from the last clean win that followed a clean
// win. Abandoned rounds say nothing.
inline constexpr char TroubleWords[] = R"(
WITH tries AS (
    SELECT lower(player) AS who, word,
           row_number() OVER w AS n,
           result = 'won' AND misses = 0 AS clean,
           result = 'lost' OR misses >= 3 AS trouble,
           lag(result = 'won' AND misses = 0, 1, false) OVER w AS clean_before
    FROM wordrow_rounds
    WHERE kind = 'game' AND result <> 'abandoned'
    WINDOW w AS (PARTITION BY lower(player), word ORDER BY played_at, id)
), since AS (
    SELECT who, word, n, trouble,
           coalesce(max(n) FILTER (WHERE clean AND clean_before) OVER (PARTITION BY who, word), 0)
               AS reset_at
    FROM tries
)
SELECT who, word, count(*) AS tries
FROM since
WHERE trouble AND n > reset_at
GROUP BY who, word
ORDER BY who, tries DESC, word)";

inline constexpr char MostMissed[] = R"(
SELECT word,
       sum(misses) AS misses,
       count(*) FILTER (WHERE result = 'lost') AS lost,
       count(DISTINCT lower(player)) AS players
FROM wordrow_rounds
WHERE kind = 'game' AND result <> 'abandoned'
GROUP BY word
HAVING sum(misses) > 0
ORDER BY misses DESC, lost DESC, word
LIMIT ?)";

// A published list's rounds are those whose list is the file its computers keep it under: each
// of these binds the lists' files to their names as one JSON object, {"file": "name"}.
inline constexpr char ListNames[] = R"(SELECT name FROM wordrow_lists ORDER BY name)";
inline constexpr char ListChildren[] = R"(
WITH lists AS (SELECT key AS file, value AS name FROM jsonb_each_text(CAST(? AS jsonb)))
SELECT lists.name AS name, count(DISTINCT lower(r.player)) AS children
FROM lists JOIN wordrow_rounds r ON r.list = lists.file
WHERE r.result <> 'abandoned'
GROUP BY lists.name
ORDER BY lists.name)";
inline constexpr char ListMostMissed[] = R"(
WITH lists AS (SELECT key AS file, value AS name FROM jsonb_each_text(CAST(? AS jsonb))),
missed AS (
    SELECT lists.name AS name, r.word AS word, sum(r.misses) AS misses,
           row_number() OVER (PARTITION BY lists.name ORDER BY sum(r.misses) DESC, r.word) AS place
    FROM lists JOIN wordrow_rounds r ON r.list = lists.file
    WHERE r.kind = 'game' AND r.result <> 'abandoned'
    GROUP BY lists.name, r.word
    HAVING sum(r.misses) > 0
)
SELECT name, word, misses FROM missed WHERE place <= ? ORDER BY name, place)";
// A child's first test on a list is the one that started first; its rounds are its answers.
inline constexpr char ListFirstTests[] = R"(
WITH lists AS (SELECT key AS file, value AS name FROM jsonb_each_text(CAST(? AS jsonb))),
tests AS (
    SELECT lists.name AS name, lower(r.player) AS who, r.player, r.played_at, r.result,
           dense_rank() OVER (PARTITION BY lists.name, lower(r.player) ORDER BY r.test_started)
               AS nth
    FROM lists JOIN wordrow_rounds r ON r.list = lists.file
    WHERE r.kind = 'spellingtest' AND r.test_started IS NOT NULL
)
SELECT name, (array_agg(player ORDER BY played_at DESC))[1] AS player,
       count(*) FILTER (WHERE result = 'won') AS right_answers, count(*) AS asked
FROM tests
WHERE nth = 1
GROUP BY name, who
ORDER BY name, who)";

inline constexpr char Rounds[] = R"(
SELECT id, player, played_at, list, word, result, misses, wrong_letters, kind, typed, test_started
FROM wordrow_rounds
ORDER BY played_at, id)";

inline constexpr char Lists[] = R"(
SELECT name, words::text AS words, sentences::text AS sentences, this_week, updated_at
FROM wordrow_lists
ORDER BY name)";
// Published again under its name, a list keeps its first stamp and its place as this week's.
inline constexpr char PublishList[] = R"(
INSERT INTO wordrow_lists (name, words, sentences) VALUES (?, CAST(? AS jsonb), CAST(? AS jsonb))
ON CONFLICT (name) DO UPDATE
SET words = excluded.words, sentences = excluded.sentences, updated_at = now())";
inline constexpr char WithdrawList[] = R"(DELETE FROM wordrow_lists WHERE name = ?)";
// In one transaction: the week's mark leaves the list that had it, then goes to the named one.
inline constexpr char ClearThisWeek[] = R"(
UPDATE wordrow_lists SET this_week = false WHERE this_week AND name <> ?)";
inline constexpr char SetThisWeek[] = R"(
UPDATE wordrow_lists SET this_week = true WHERE name = ?)";

} // namespace ClassSchema
