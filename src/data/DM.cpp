#include "DM.h"

#include "ColumnLists.h"
#include "DatabaseNames.h"
#include "Schema.h"
#include "common/RunValues.h"

namespace rmnra {
DM::DM(const AppSettings& settings, const RunValues& runValues, const std::string& libraryPath)
    : connection_("ORVANTIS", "NONE", libraryPath), runValues_(runValues),
      DadosGer(connection_, "DadosGer", "DADOSGER", RowLocation::ByAllColumns, {true, false}),
      DCB(connection_, "DCB", "DCB", RowLocation::ByKey, {true, true}),
      RMNRB2(connection_, "RMNRB2", "RMNRB2", RowLocation::ByKey, {true, true}),
      Usuarios(connection_, "Usuarios", "USUARIOS", RowLocation::ByKey, {false, false}),
      Estacoes(connection_, "Estacoes", "ESTACOES", RowLocation::ByAllColumns, {false, false}) {
    connection_.setDatabase(mainDatabaseName(settings));
    DadosGer.setQuery(std::string("select ") + DadosGerColumns + " from DADOSGER");
    DCB.setQuery("select DCB, DESCRICAO from DCB");
    RMNRB2.setQuery(std::string("select ") + Rmnrb2Columns + " from RMNRB2");
    Usuarios.setQuery(std::string("select ") + UsuariosColumns + " from USUARIOS");
    Estacoes.setQuery("select " + findTable("ESTACOES")->columnList() + " from ESTACOES");
    RMNRB2.afterInsert = [this](CachedDataset& ds) { RMNRB2AfterInsert(ds); };
}

void DM::RMNRB2AfterInsert(CachedDataset& ds) {
    ds.setField("CNPJ", runValues_.currentCnpj());
}

} // namespace rmnra
