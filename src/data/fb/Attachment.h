#pragma once

#include "Value.h"

#include <memory>
#include <string>

namespace Firebird {
class IAttachment;
}

namespace rmnra::fb {

class Client;
class Transaction;

// How to reach a database and log in.
struct ConnectionParams {
    // A local path (opened by the embedded engine) or "host:path" / "host/port:path".
    std::string database;
    std::string user = "sysdba";
    std::string password = "quillpost";
    std::string role = "RoleName";
    // Connection character set: "NONE" or "WIN1252".
    std::string charset = "NONE";
    int dialect = 3;
    // For create(): whether the new database writes through to disk at each commit (forced
    // writes). Only throw-away test databases turn it off.
    bool forcedWrites = true;

    // The suite's credentials, with ISC_USER / ISC_PASSWORD taking their place when set.
    static ConnectionParams forDatabase(const std::string& database, const std::string& charset);
};

// One attachment to a database. Detached when destroyed (errors while detaching are
// ignored there; call detach() to see them).
class Attachment {
public:
    static Attachment attach(const Client& client, const ConnectionParams& params);
    // Creates a new database file (page size 8192, dialect 3, default character set NONE).
    static Attachment create(const Client& client, const ConnectionParams& params);

    Attachment(Attachment&& other) noexcept;
    Attachment& operator=(Attachment&& other) noexcept;
    ~Attachment();

    void detach();
    bool isAttached() const { return raw_ != nullptr; }
    // Whether the database still answers; false when the server or the network is gone.
    bool ping();

    // A read-committed transaction that waits on locks.
    Transaction startTransaction();
    // Runs one statement (DDL included) in a transaction of its own and commits it.
    void executeImmediate(const std::string& sql);

    const Client& client() const { return *client_; }
    const ConnectionParams& params() const { return params_; }
    Firebird::IAttachment* raw() const { return raw_; }

private:
    Attachment(const Client& client, ConnectionParams params, Firebird::IAttachment* raw);
    void releaseQuietly();

    const Client* client_;
    ConnectionParams params_;
    Firebird::IAttachment* raw_;
};

} // namespace rmnra::fb
