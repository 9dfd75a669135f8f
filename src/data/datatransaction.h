#pragma once

class TADOConnection;

// A piece of work on data.mdb that is kept whole or undone whole, and undone unless
// committed. It is a transaction of its own, or, inside a transaction the caller holds,
// a savepoint of it: undoing the piece then leaves the caller's other work in place,
// and keeping it for good is the caller's commit.
class DataTransaction {
public:
    DataTransaction();
    ~DataTransaction();
    DataTransaction(const DataTransaction&) = delete;
    DataTransaction& operator=(const DataTransaction&) = delete;

    // Raises when SQLite gave the transaction up by itself (disk full, I/O error), so
    // that work whose statement errors are swallowed still stops at the first lost one.
    void CheckIntact();
    void Commit();

private:
    TADOConnection* connection_;
    bool own_;
    bool open_ = true;
};
