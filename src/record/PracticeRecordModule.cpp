// The entry of the module that keeps the practice record in SQLite.
#include "record/LazyPracticeRecord.h"
#include "record/SqlitePracticeRecord.h"

extern "C" Q_DECL_EXPORT PracticeRecordStore *wordrow_create_practice_record(
    std::function<QString()> homeDir, MessageBoxes &messages)
{
    return new SqlitePracticeRecord(std::move(homeDir), messages);
}

// The module's function must keep the type the program calls it by.
static_assert(std::is_same_v<decltype(&wordrow_create_practice_record), CreatePracticeRecord>);
