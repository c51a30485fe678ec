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
    // A server that stopped or restarted leaves a dead attachment behind. A new one takes its
    // place in the same object, so a transaction still referring to it stays valid, and the
    // program goes on once the server is back.
    if (!attachment_ || !attachment_->ping()) {
        fb::Attachment fresh = open();
        if (attachment_)
            *attachment_ = std::move(fresh);
        else
            attachment_.emplace(std::move(fresh));
    }
    return *attachment_;
}

fb::Attachment Connection::open() const {
    auto& client = fb::Client::load(libraryPath_);
    try {
        return fb::Attachment::attach(client,
                                      fb::ConnectionParams::forDatabase(database_, charset_));
    } catch (const fb::Error& e) {
        // The server's own text is English and does not say which database was meant.
        throw fb::Error("N\xE3o foi poss\xEDvel conectar ao banco de dados \"" + database_ +
                            "\".\r" + e.what(),
                        e.iscCode(), e.sqlState());
    }
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
