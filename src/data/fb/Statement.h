#pragma once

#include "Value.h"

#include <memory>
#include <string>
#include <vector>

namespace Firebird {
class IStatement;
class IResultSet;
class IMessageMetadata;
} // namespace Firebird

namespace rmnra::fb {

class Transaction;

// What a result column holds.
enum class ColumnType {
    Integer,
    Numeric,
    Double,
    Date,
    Time,
    Timestamp,
    Text,
    Blob,
    Boolean,
    Null
};

struct Column {
    std::string name; // alias, as the statement names it
    ColumnType type = ColumnType::Text;
    int scale = 0;       // for Numeric: digits after the point, as a negative exponent
    unsigned length = 0; // for Text: width in bytes
    bool nullable = true;
};

class ResultSet;

// A prepared statement with typed `?` input parameters. Parameters are sent with the type
// of the Value given (text as Windows-1252 bytes, numbers exact), the server converts them
// to the column's type; a NULL Value sends NULL.
class Statement {
public:
    Statement(Transaction& transaction, const std::string& sql);
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&&) = delete;
    Statement(const Statement&) = delete;
    ~Statement();

    unsigned parameterCount() const;
    const std::vector<Column>& columns() const { return columns_; }

    // Runs a statement without result rows; returns the number of rows changed.
    unsigned execute(const std::vector<Value>& params = {});
    // Opens the result rows of a query.
    ResultSet open(const std::vector<Value>& params = {});
    // Runs a query and fetches all its rows.
    std::vector<Row> fetchAll(const std::vector<Value>& params = {});

    const std::string& sql() const { return sql_; }

private:
    friend class ResultSet;
    struct Input;
    const std::vector<unsigned char>& bindInput(const std::vector<Value>& params);
    void freeAll() noexcept;

    Transaction* transaction_;
    std::string sql_;
    Firebird::IStatement* raw_;
    Firebird::IMessageMetadata* inputMeta_ = nullptr;
    Firebird::IMessageMetadata* outputMeta_ = nullptr;
    std::vector<Column> columns_;
    std::unique_ptr<Input> input_;
};

// The rows of an open query, read one at a time.
class ResultSet {
public:
    ResultSet(ResultSet&& other) noexcept;
    ResultSet& operator=(ResultSet&&) = delete;
    ResultSet(const ResultSet&) = delete;
    ~ResultSet();

    // Moves to the next row; false at the end.
    bool next();
    const Row& row() const { return row_; }
    const Value& operator[](size_t column) const { return row_.at(column); }
    void close();

private:
    friend class Statement;
    ResultSet(Statement& statement, Firebird::IResultSet* raw);

    Statement* statement_;
    Firebird::IResultSet* raw_;
    std::vector<unsigned char> buffer_;
    Row row_;
};

} // namespace rmnra::fb
