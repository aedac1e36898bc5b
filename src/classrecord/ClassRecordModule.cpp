// The entry of the module that reaches the class database through Qt SQL.
#include "classrecord/ClassDatabaseModule.h"
#include "classrecord/PostgresClassDatabase.h"

extern "C" Q_DECL_EXPORT ClassDatabase *wordrow_create_class_database()
{
    return new PostgresClassDatabase;
}

// The module's function must keep the type the program calls it by.
static_assert(std::is_same_v<decltype(&wordrow_create_class_database), CreateClassDatabase>);
