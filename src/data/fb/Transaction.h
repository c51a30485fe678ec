#pragma once

#include "Value.h"

#include <string>
#include <vector>

namespace Firebird {
class ITransaction;
}

namespace rmnra::fb {

class Attachment;
class Statement;

// A read-committed transaction that waits on locks. Rolled back when destroyed while
// neither committed nor rolled back, so a failed write leaves the database as it was.
class Transaction {
public:
    explicit Transaction(Attachment& attachment);
    Transaction(Transaction&& other) noexcept;
    Transaction& operator=(Transaction&&) = delete;
    Transaction(const Transaction&) = delete;
    ~Transaction();

    void commit();
    void rollback();
    bool isActive() const { return raw_ != nullptr; }

    // Prepares a statement with `?` parameters for repeated use in this transaction.
    Statement prepare(const std::string& sql);
    // Runs a statement without result rows; returns the number of rows it changed.
    unsigned execute(const std::string& sql, const std::vector<Value>& params = {});
    // Runs a query and returns all its rows in the order the server sends them.
    std::vector<Row> query(const std::string& sql, const std::vector<Value>& params = {});

    Attachment& attachment() const { return *attachment_; }
    Firebird::ITransaction* raw() const;

private:
    Attachment* attachment_;
    Firebird::ITransaction* raw_;
};

} // namespace rmnra::fb
