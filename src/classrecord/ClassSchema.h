#pragma once

// The class record's tables on the server. wordrow_schema holds the one version this program
// writes, as the local record's user_version does; a later version migrates from there.
namespace ClassSchema {

inline constexpr int Version = 1;
// Two computers making the tables at once wait for each other on this lock.
inline constexpr int SetupLock = 0x57647277;

inline constexpr char Lock[] = R"(SELECT pg_advisory_xact_lock(?))";
inline constexpr char Exists[] = R"(SELECT to_regclass('wordrow_schema') IS NOT NULL)";
inline constexpr char ReadVersion[] = R"(SELECT coalesce(max(version), 0) FROM wordrow_schema)";

inline constexpr char CreateVersion[] = R"(CREATE TABLE wordrow_schema (version integer NOT NULL))";
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
inline constexpr char WriteVersion[] = R"(INSERT INTO wordrow_schema (version) VALUES (?))";

// A batch is this head, one row of placeholders a round, and the tail.
inline constexpr char InsertHead[] = R"(
INSERT INTO wordrow_rounds (id, computer, player, played_at, list, word, result, misses,
                            wrong_letters, kind, typed, test_started)
VALUES )";
inline constexpr char InsertRow[] = R"((?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?))";
inline constexpr char InsertTail[] = R"( ON CONFLICT (id) DO NOTHING)";

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
