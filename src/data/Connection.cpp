#include "Connection.h"

#include "fb/Client.h"
#include "fb/Error.h"

namespace rmnra {

Connection::Connection(std::string name, std::string charset, std::string libraryPath)
    : name_(std::move(name)), charset_(std::move(charset)), libraryPath_(std::move(libraryPath)) {}

void Connection::setDatabase(const std::string& database) {
    close();
    database_ = database;
}

void Connection::close() {
    if (!attachment_)
        return;
    // Closing never fails for the caller: a connection that cannot detach cleanly is gone anyway.
    attachment_.reset();
}

fb::Attachment& Connection::attachment() {
    // A server that stopped or restarted leaves a dead attachment behind; dropping it lets
    // the program go on once the server is back instead of failing until it is restarted.
    if (attachment_ && !attachment_->ping())
        attachment_.reset();
    if (!attachment_) {
        auto& client = fb::Client::load(libraryPath_);
        try {
            attachment_.emplace(fb::Attachment::attach(
                client, fb::ConnectionParams::forDatabase(database_, charset_)));
        } catch (const fb::Error& e) {
            // The server's own text is English and does not say which database was meant.
            throw fb::Error("N\xE3o foi poss\xEDvel conectar ao banco de dados \"" + database_ +
                                "\".\r" + e.what(),
                            e.iscCode(), e.sqlState());
        }
    }
    return *attachment_;
}

void Connection::inTransaction(const std::function<void(fb::Transaction&)>& work) {
    auto tr = attachment().startTransaction();
    work(tr);
    tr.commit();
}

unsigned Connection::execute(const std::string& sql, const std::vector<fb::Value>& params) {
    unsigned n = 0;
    inTransaction([&](fb::Transaction& tr) { n = tr.execute(sql, params); });
    return n;
}

std::vector<fb::Row> Connection::query(const std::string& sql,
                                       const std::vector<fb::Value>& params) {
    std::vector<fb::Row> rows;
    inTransaction([&](fb::Transaction& tr) { rows = tr.query(sql, params); });
    return rows;
}

} // namespace rmnra
