#!/usr/bin/env python3
"""Fills a practice record with a few weeks of one child's rounds, for screenshots and trying the
progress window: fill-record.py FOLDER [PLAYER]. The rounds are made up but follow the game's
rules; the tallies and word standings are kept as the game keeps them, round by round."""
import datetime
import os
import random
import sqlite3
import sys

folder = sys.argv[1]
player = sys.argv[2] if len(sys.argv) > 2 else "Sam"
path = os.path.join(folder, "wordrow-record.sqlite")
lists = {
    "week-45.wdr": ["FRIEND", "BECAUSE", "WHICH", "THOUGHT", "THROUGH", "PEOPLE", "SAID", "WHERE"],
    "week-46.wdr": ["BELIEVE", "CAUGHT", "ANSWER", "AUTUMN", "LISTEN", "WEDNESDAY", "KNIGHT"],
    "week-47.wdr": ["ISLAND", "RHYTHM", "SEPARATE", "NECESSARY", "QUEUE", "CASTLE", "SCISSORS"],
}
hard = {"WEDNESDAY", "RHYTHM", "NECESSARY", "SEPARATE", "QUEUE", "SCISSORS"}

db = sqlite3.connect(path)
# It writes a version 1 record, which the game brings up to date (review schedule included) when
# it first opens it; a record the game has already upgraded is left alone.
if db.execute("PRAGMA user_version").fetchone()[0] > 1:
    sys.exit("fill-record.py: %s is already in use by the game; fill a new folder" % path)
db.executescript("""
CREATE TABLE IF NOT EXISTS rounds (id INTEGER PRIMARY KEY, played_at INTEGER NOT NULL,
    player TEXT NOT NULL, list TEXT NOT NULL, word TEXT NOT NULL,
    result TEXT NOT NULL CHECK (result IN ('won', 'lost', 'abandoned')),
    misses INTEGER NOT NULL, wrong_letters TEXT NOT NULL);
CREATE INDEX IF NOT EXISTS rounds_by_player ON rounds (player, played_at);
CREATE TABLE IF NOT EXISTS list_tallies (player TEXT NOT NULL, list TEXT NOT NULL,
    won INTEGER NOT NULL, lost INTEGER NOT NULL, abandoned INTEGER NOT NULL,
    PRIMARY KEY (player, list));
CREATE TABLE IF NOT EXISTS word_standings (player TEXT NOT NULL, word TEXT NOT NULL,
    trouble_tries INTEGER NOT NULL, clean_wins_in_a_row INTEGER NOT NULL,
    PRIMARY KEY (player, word));
PRAGMA application_id = 1466200695;
PRAGMA user_version = 1;
""")

rng = random.Random(23)
today = datetime.date.today()
names = sorted(lists)
for back in range(27, -1, -1):
    day = today - datetime.timedelta(days=back)
    if rng.random() < 0.25:
        continue
    words = lists[names[min(2, (27 - back) // 10)]]
    start = datetime.datetime.combine(day, datetime.time(16, 0))
    for n in range(rng.randint(3, 9)):
        word = rng.choice(words)
        when = start + datetime.timedelta(minutes=3 * n)
        roll = rng.random()
        if roll < 0.08:
            result, misses = "abandoned", rng.randint(0, 2)
        elif roll < (0.45 if word in hard else 0.12):
            result, misses = "lost", 6
        else:
            result, misses = "won", rng.choice([0, 0, 0, 1, 2, 3] if word in hard else [0, 0, 0, 1])
        wrong = "".join(rng.sample("BCDFGHJKLMPQVXZ", misses))
        listName = names[min(2, (27 - back) // 10)]
        db.execute("INSERT INTO rounds (played_at, player, list, word, result, misses,"
                   " wrong_letters) VALUES (?, ?, ?, ?, ?, ?, ?)",
                   (int(when.timestamp() * 1000), player, listName, word, result, misses, wrong))
        db.execute("INSERT INTO list_tallies (player, list, won, lost, abandoned)"
                   " VALUES (?, ?, ?, ?, ?) ON CONFLICT (player, list)"
                   " DO UPDATE SET won = won + excluded.won, lost = lost + excluded.lost,"
                   " abandoned = abandoned + excluded.abandoned",
                   (player, listName, result == "won", result == "lost", result == "abandoned"))
        if result == "abandoned":
            continue
        row = db.execute("SELECT trouble_tries, clean_wins_in_a_row FROM word_standings"
                         " WHERE player = ? AND word = ?", (player, word)).fetchone()
        trouble, clean = row if row else (0, 0)
        if result == "won" and misses == 0:
            clean += 1
            if clean >= 2:
                trouble = 0
        else:
            clean = 0
            if result == "lost" or misses >= 3:
                trouble += 1
        db.execute("INSERT OR REPLACE INTO word_standings"
                   " (player, word, trouble_tries, clean_wins_in_a_row) VALUES (?, ?, ?, ?)",
                   (player, word, trouble, clean))
db.commit()
db.close()
