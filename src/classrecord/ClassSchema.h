#pragma once

#include <span>

// The class record's tables on the server, made and upgraded only by the administrator's set-up
// (PostgresClassSetUp), one step a version; the game itself only reads the version. Each login the
// set-up is given is a room login (the pupils' computers: they add rounds and read nothing) or a
// teacher login (reads the class); the logins are kept with their kind, so that a later step can
// grant each kind what its tables need.
namespace ClassSchema {

// Version 2: the tables belong to the set-up's login, and the logins have only their kind's rights.
inline constexpr int Version = 2;
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
inline constexpr char WriteVersion[] = R"(INSERT INTO wordrow_schema (version) VALUES (?))";

// Steps[n] takes the tables from version n to n + 1. Version 1 was made by the game itself, with
// the room's login: the take-over below gives such tables to the set-up's login first.
inline constexpr const char *Step1[] = {CreateRounds, CreatePlayerIndex};
inline constexpr const char *Step2[] = {CreateLogins, RevokePublic};
inline constexpr std::span<const char *const> Steps[] = {Step1, Step2};
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
    = R"(REVOKE ALL ON wordrow_schema, wordrow_rounds, wordrow_logins FROM %I)";
inline constexpr const char *RoomGrants[] = {
    R"(GRANT SELECT ON wordrow_schema TO %I)",
    R"(GRANT INSERT ON wordrow_rounds TO %I)",
};
inline constexpr const char *TeacherGrants[] = {
    R"(GRANT SELECT ON wordrow_schema, wordrow_rounds TO %I)",
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

inline constexpr char Rounds[] = R"(
SELECT id, player, played_at, list, word, result, misses, wrong_letters, kind, typed, test_started
FROM wordrow_rounds
ORDER BY played_at, id)";

} // namespace ClassSchema
