#include "DM2.h"

#include "DatabaseNames.h"
#include "Schema.h"

namespace rmnra {

DM2::DM2(const std::string& libraryPath)
    : connection_("Interfac", "WIN1252", libraryPath),
      Periodo(connection_, "Periodo", "PERIODO", RowLocation::ByAllColumns, {true, false}) {
    connection_.setDatabase(initialWorkAreaDatabaseName());
    Periodo.setQuery("select " + findTable("PERIODO")->columnList() + " from PERIODO");
}

void DM2::setDatabase(const std::string& database) {
    Periodo.close();
    connection_.setDatabase(database);
}

} // namespace rmnra
