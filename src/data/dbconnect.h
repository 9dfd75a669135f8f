#pragma once

#include <memory>

#include "platform/adoconnection.h"
#include "platform/adofield.h"
#include "platform/adoquery.h"
#include "platform/types.h"

// The program's two database connections, data.mdb and setting.mdb, each with one
// query for action statements, created on first request.
class DBConnect {
public:
    static DBConnect* GetData();
    static DBConnect* GetSetting();
    // Closes and forgets both connections, so the next request opens the files of the
    // current program folder; tests call it between cases.
    static void ResetForTests();

    ~DBConnect();
    DBConnect(const DBConnect&) = delete;
    DBConnect& operator=(const DBConnect&) = delete;

    // Binds the connection to the program folder's file ("data.mdb;"); connects on first use.
    void Open(const AnsiString& fileName);
    TADOConnection* GetConnection() { return Connection.get(); }
    // Connects now; SQLite's error, naming the file, when the file cannot be opened and
    // read, or the empty text.
    AnsiString OpenError();

    // Runs one action statement; a failure is logged and reported as success unless
    // rethrow asks for an exception carrying the engine's message.
    bool ExecSQL(const AnsiString& sql, bool rethrow);

    // Rewrites data.mdb compacted; true on success. data.mdb is replaced in one atomic
    // step, so a failure at any point leaves the previous file complete.
    bool CompactDB();

    AnsiString GetUpdate();
    AnsiString GetUpdateDate();
    bool GetUpdateSeries();

private:
    DBConnect() = default;
    // The column of the one Version row; raises when there is no row.
    TField* VersionField(const char* column);

    std::unique_ptr<TADOConnection> Connection;
    std::unique_ptr<TADOQuery> Query;
};
