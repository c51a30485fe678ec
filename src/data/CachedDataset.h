#pragma once

#include "fb/Statement.h"
#include "fb/Value.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace rmnra {

class Connection;

enum class DatasetState { Inactive, Browse, Edit, Insert };

// How a write-back finds the database row of a cached row: by the table's key columns, or
// by the values all its columns (blobs excepted) had when they were read.
enum class RowLocation { ByKey, ByAllColumns };

// When changes are written back: right after a post and/or right after a delete. A dataset
// without write-back keeps its posted changes in the cache until it is closed.
struct WriteBack {
    bool afterPost = false;
    bool afterDelete = false;
};

// A query's rows held in memory with a cursor. Changes are posted into the cache and, when the
// dataset writes back, sent to the database right away in one transaction; then the dataset
// re-reads its query and puts the cursor back at the same ordinal position. A change the
// database refuses is reported once (the error reaches the caller of post/delete), leaves the
// pending log, and the cached row returns to its read values, so later writes still work.
class CachedDataset {
public:
    CachedDataset(Connection& connection, std::string name, std::string table, RowLocation location,
                  WriteBack writeBack);
    CachedDataset(const CachedDataset&) = delete;
    CachedDataset& operator=(const CachedDataset&) = delete;

    // "Select " + columns + " from " + table + condition; the condition carries `?` parameters.
    static std::string composeSelect(const std::string& columns, const std::string& table,
                                     const std::string& condition = {});

    // The query run by open(); values go as parameters, never into the text.
    void setQuery(std::string sql, std::vector<fb::Value> params = {});
    const std::string& queryText() const { return sql_; }
    const std::vector<fb::Value>& queryParams() const { return params_; }

    // Runs the query and caches all its rows in the order the server returns them.
    void open();
    // Discards the rows and any change not written back.
    void close();
    bool isOpen() const { return state_ != DatasetState::Inactive; }
    DatasetState state() const { return state_; }
    const std::string& name() const { return name_; }
    const std::string& table() const { return table_; }
    Connection& connection() const { return *connection_; }

    size_t recordCount() const { return rows_.size(); }
    bool isEmpty() const { return rows_.empty(); }
    // Ordinal position of the cursor, from 0.
    size_t recNo() const { return cursor_; }
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }
    void first();
    void last();
    void next();
    void prior();
    void moveTo(size_t index);

    const std::vector<fb::Column>& columns() const { return columns_; }
    // Index of a column by name, or -1.
    int fieldIndex(const std::string& name) const;
    // Values of the current row (of the edit buffer while editing or inserting).
    const fb::Value& field(const std::string& name) const;
    const fb::Value& field(size_t index) const;
    // Text of a column; empty for NULL.
    std::string text(const std::string& name) const { return field(name).textOr(); }
    const fb::Row& currentRow() const;
    // Sets a value in the edit buffer; text longer than its column is cut to its width.
    void setField(const std::string& name, fb::Value value);

    void edit();
    // A new row before the current one / at the end, in insert state; afterInsert runs then.
    void insert();
    void append();
    void post();
    void cancel();
    void deleteRecord();

    // Sends every pending change in one transaction, then re-reads keeping the position.
    void applyAndRefresh();
    // Re-reads the current query keeping the ordinal position.
    void refresh();
    size_t pendingChanges() const { return log_.size(); }

    std::function<void(CachedDataset&)> afterScroll;
    std::function<void(CachedDataset&)> afterInsert;

private:
    struct CachedRow {
        uint64_t id = 0;
        fb::Row values; // as the cache holds it now
        fb::Row read;   // as it was read from the database
    };
    enum class ChangeKind { Insert, Update, Delete };
    struct Change {
        ChangeKind kind;
        CachedRow row;       // values to write, read values to locate by
        size_t position = 0; // where a deleted row stood
    };

    void requireOpen() const;
    void requireBrowse(const char* what);
    void postIfEditing();
    void scrolled();
    void fetch();
    void beginInsert(size_t at);
    void logChange(Change change);
    void applyChange(fb::Transaction& tr, const Change& change) const;
    std::string whereClause(const CachedRow& row, std::vector<fb::Value>& params) const;
    void restore(const Change& change);
    size_t indexOfId(uint64_t id) const;

    Connection* connection_;
    std::string name_;
    std::string table_;
    RowLocation location_;
    WriteBack writeBack_;
    std::vector<std::string> key_;

    std::string sql_;
    std::vector<fb::Value> params_;
    std::vector<fb::Column> columns_;
    std::vector<CachedRow> rows_;
    std::vector<Change> log_;
    size_t cursor_ = 0;
    bool bof_ = true;
    bool eof_ = true;
    DatasetState state_ = DatasetState::Inactive;
    fb::Row buffer_;
    uint64_t nextId_ = 1;
};

} // namespace rmnra
