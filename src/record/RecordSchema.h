#pragma once

class QSqlDatabase;
class QSqlQuery;

// The record's tables as a list of steps, one a version. Each step runs in a transaction of its
// own ending with PRAGMA user_version = N, so that a disk that fills midway leaves the file whole
// at the last step taken and the next open goes on from there. A new version is one more step.
class RecordSchema
{
public:
    // Version 2 added the review schedule and what a spelling test and the class record need;
    // version 3 the computer each round was played on and whether a hint was shown.
    static constexpr int Version = 3;
    // Marks the file as ours, beside whatever else may use SQLite.
    static constexpr int ApplicationId = 0x57647277;

    enum class Outcome {
        Ready,
        // No record yet, and none to be made.
        Missing,
        Failed,
        // A step of an earlier record failed: the file is kept as it was before that step.
        UpgradeFailed,
        // Damaged, or not a record of ours.
        Damaged,
    };

    // Brings the file to Version; an empty file becomes a new record when create is set.
    static Outcome bringUpToDate(QSqlDatabase &db, bool create);

private:
    struct FileState
    {
        long long applicationId = 0;
        long long version = 0;
        long long objects = 0;

        bool isEmpty() const { return applicationId == 0 && version == 0 && objects == 0; }
    };

    static bool readState(QSqlQuery &query, FileState &file);
    static Outcome takeStep(QSqlDatabase &db, int version);

    static bool createTables(QSqlQuery &query);
    static bool addReviewAndClassColumns(QSqlQuery &query);
    static bool addComputerAndHint(QSqlQuery &query);
};
