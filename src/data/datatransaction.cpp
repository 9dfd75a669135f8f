#include "data/datatransaction.h"

#include <exception>
#include <string>

#include "data/dbconnect.h"
#include "platform/adoconnection.h"

namespace {

const std::string SavepointName = "piece";

}  // namespace

DataTransaction::DataTransaction()
    : connection_(DBConnect::GetData()->GetConnection()), own_(!connection_->InTransaction())
{
    if (own_)
        connection_->BeginTrans();
    else
        connection_->Savepoint(SavepointName);
}

DataTransaction::~DataTransaction()
{
    if (!open_)
        return;
    try {
        if (own_)
            connection_->RollbackTrans();
        else
            connection_->RollbackToSavepoint(SavepointName);
    } catch (const std::exception&) {
        // Leaving by an exception already: the connection reports the next use.
    }
}

void DataTransaction::CheckIntact()
{
    connection_->CheckTransactionIntact();
}

void DataTransaction::Commit()
{
    CheckIntact();
    if (own_)
        connection_->CommitTrans();
    else
        connection_->ReleaseSavepoint(SavepointName);
    open_ = false;
}
