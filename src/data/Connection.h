#pragma once

#include "fb/Attachment.h"
#include "fb/Transaction.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace rmnra {

// A named database connection of a data module. It opens by itself on first use and can be
// closed and pointed at another database.
class Connection {
public:
    // libraryPath: the client library (see fb::clientLibraryPath), loaded on first open.
    Connection(std::string name, std::string charset, std::string libraryPath);

    const std::string& name() const { return name_; }
    const std::string& database() const { return database_; }
    const std::string& charset() const { return charset_; }
    const std::string& libraryPath() const { return libraryPath_; }

    // Closes the connection first, so the next use opens the new database.
    void setDatabase(const std::string& database);
    bool isOpen() const { return attachment_.has_value(); }
    void close();

    // The open attachment; opens it when closed or when the server no longer answers it
    // (fb::Error when the database cannot be reached).
    fb::Attachment& attachment();

    // Runs work in one transaction: committed when it returns, rolled back when it throws.
    void inTransaction(const std::function<void(fb::Transaction&)>& work);
    // A direct statement without result rows, in a transaction of its own.
    unsigned execute(const std::string& sql, const std::vector<fb::Value>& params = {});
    // A direct query, in a transaction of its own.
    std::vector<fb::Row> query(const std::string& sql, const std::vector<fb::Value>& params = {});

private:
    fb::Attachment open() const;

    std::string name_;
    std::string charset_;
    std::string libraryPath_;
    std::string database_;
    std::optional<fb::Attachment> attachment_;
};

} // namespace rmnra
