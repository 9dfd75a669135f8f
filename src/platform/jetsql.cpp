#include "platform/jetsql.h"

#include <sqlite3.h>

#include <QString>

// Placeholder until the translator lands: texts pass unchanged.
std::string TranslateJetSql(const std::string& jetSql)
{
    return jetSql;
}

namespace {

int CompareNoCase(void*, int leftLength, const void* left, int rightLength, const void* right)
{
    const QString a = QString::fromUtf8(static_cast<const char*>(left), leftLength);
    const QString b = QString::fromUtf8(static_cast<const char*>(right), rightLength);
    return a.compare(b, Qt::CaseInsensitive);
}

}  // namespace

void RegisterJetFunctions(sqlite3* db)
{
    sqlite3_create_collation(db, JetTextCollation, SQLITE_UTF8, nullptr, CompareNoCase);
}
