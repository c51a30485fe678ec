#pragma once

#include "BookRow.h"
#include "common/Dates.h"

#include <string>
#include <vector>

namespace rmnra {

// The consistency report of the book rows: three title lines, then one line per problem,
// in the order of the rows and, within a row, of the eleven checks.
class InconsistencyReport {
public:
    // Starts with the title lines; `today` decides which prescription dates lie ahead.
    explicit InconsistencyReport(Date today);

    // Applies the checks to one row and adds a line per problem; returns how many.
    int check(const BookRow& row);

    const std::vector<std::string>& lines() const { return lines_; }
    int errorCount() const { return errors_; }

    // "01.2345.1 \"DCB\" n\xE3o encontrado": ESTACAO as stored, NPEDIDO and NFORMULA read
    // as integers (leading zeros gone); a value that is no number is written as it stands.
    static std::string problemLine(const BookRow& row, const std::string& label,
                                   const std::string& remainder);

private:
    void add(const BookRow& row, const char* label, const char* remainder);

    Date today_;
    std::vector<std::string> lines_;
    int errors_ = 0;
};

// The report file: suiteFolder() + "DM.RMNRA.TXT".
std::string inconsistencyReportPath();

// Writes the lines, each followed by CR LF, over any earlier file. Throws
// std::runtime_error naming the file when it cannot be written.
void writeReportFile(const std::string& path, const std::vector<std::string>& lines);

// Reads the lines of a report file (CR LF or LF line ends); throws when it cannot be read.
std::vector<std::string> readReportFile(const std::string& path);

} // namespace rmnra
