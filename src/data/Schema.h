#pragma once

#include <string>
#include <vector>

namespace rmnra {

namespace fb {
class Attachment;
class Client;
} // namespace fb

struct ColumnDef {
    std::string name;
    std::string type; // as declared: "varchar(40)", "integer", "numeric(15,2)", "blob", ...
    bool notNull = false;
};

struct TableDef {
    std::string name;
    std::vector<ColumnDef> columns;
    std::vector<std::string> key; // empty for the tables without declared key

    // Every column joined by ", ", in table order.
    std::string columnList() const;
    bool isKey(const std::string& column) const;
};

// Tables of the suite's main database (all but PERIODO) and of a work-area database.
const std::vector<TableDef>& mainTables();
const std::vector<TableDef>& workAreaTables();
const TableDef* findTable(const std::string& name);

std::string createTableSql(const TableDef& table);

// Create a new database file with its tables. The program itself never creates tables in a
// suite it is pointed at; these serve suite creation and tests.
// forcedWrites = false only for throw-away databases (tests).
fb::Attachment createMainDatabase(const fb::Client& client, const std::string& path,
                                  bool forcedWrites = true);
fb::Attachment createWorkAreaDatabase(const fb::Client& client, const std::string& path,
                                      bool forcedWrites = true);

} // namespace rmnra
