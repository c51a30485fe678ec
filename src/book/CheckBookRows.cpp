#include "CheckBookRows.h"

#include "InconsistencyReport.h"

#include <filesystem>

namespace rmnra {

CheckOutcome CheckBookRows(const std::vector<BookRow>& bookTable, int expectedRows,
                           UserInterface& ui, bool processEvents) {
    ui.progressSetMaximum(expectedRows);
    ui.progressRepaint();
    ui.progressSetLabel("Verificando Inconsist\xEAncia");
    ui.progressRepaint();
    ui.progressSetPosition(0);

    InconsistencyReport report(Date::today());
    int counter = 0;
    for (const BookRow& row : bookTable) {
        ui.progressSetPosition(++counter);
        ui.progressRepaint();
        report.check(row);
        if (processEvents)
            ui.processPendingEvents();
    }

    CheckOutcome outcome{report.lines(), report.errorCount()};
    if (outcome.errorCount > 0) {
        const std::string path = inconsistencyReportPath();
        writeReportFile(path, outcome.lines);
        if (std::filesystem::exists(path))
            ui.showInconsistencies(readReportFile(path));
    }
    return outcome;
}

} // namespace rmnra
