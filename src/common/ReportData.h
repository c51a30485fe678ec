#pragma once

#include "Dates.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace rmnra {

// A value handed to a report: nothing (NULL), Windows-1252 text, an integer, a number,
// or a date.
using ReportValue = std::variant<std::monostate, std::string, std::int64_t, double, Date>;

// The rows of one data connection of a report, in the order the report reads them.
struct ReportTable {
    std::vector<std::string> columns;
    std::vector<std::vector<ReportValue>> rows;

    // Index of a column by name (exact, upper-case names), or -1.
    int columnIndex(const std::string& name) const {
        for (size_t i = 0; i < columns.size(); ++i)
            if (columns[i] == name)
                return static_cast<int>(i);
        return -1;
    }
};

// What a book report reads: the pharmacy's registration row and the book rows.
struct ReportData {
    ReportTable dadosGer;
    ReportTable rmnrb2;
};

} // namespace rmnra
