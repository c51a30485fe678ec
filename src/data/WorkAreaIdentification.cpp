#include "WorkAreaIdentification.h"

#include "DatabaseNames.h"
#include "Schema.h"
#include "Session.h"
#include "common/Dates.h"
#include "common/Text.h"
#include "common/UserInterface.h"

namespace rmnra {
namespace {

const std::string kQuote = "\"";
const std::string kBreak(1, kMessageLineBreak);

std::string workAreaNotFoundMessage(const std::string& user) {
    return "N\xE3o foi poss\xEDvel selecionar uma \xE1rea de trabalho para o usu\xE1rio " + kQuote +
           user + kQuote + ". " + kBreak + kBreak + "Causas prov\xE1veis: " + kBreak + kBreak +
           "  1) Na tabela " + kQuote + "Estacoes.db" + kQuote +
           " n\xE3o foi inclu\xED"
           "da uma esta\xE7\xE3o para o usu\xE1rio " +
           kQuote + user + kQuote + "." + kBreak +
           "     Obs: Criar tamb\xE9m a \xE1rea de trabalho f\xEDsica (pasta "
           "C:\\Orvantis\\InterfacXX) para este usu\xE1rio." +
           kBreak +
           "  --> Favor contactar o suporte t\xE9"
           "cnico da ORV SISTEMAS <--";
}

std::string cnpjMissingMessage(const std::string& station) {
    return "Erro na configura\xE7\xE3o da tabela ESTACOES:" + kBreak +
           "O campo CNPJ tabela ESTACOES n\xE3o foi preenchido para o a esta\xE7\xE3o " + station;
}

} // namespace

WorkAreaIdentification IdentifyWorkArea(Session& session, UserInterface& ui) {
    RunValues& run = session.runValues;
    run.setCurrentStation("");
    WorkAreaIdentification result;
    result.loginName = run.currentUserName();
    const std::string user = upperAscii(run.currentUserName());

    CachedDataset& estacoes = session.dm.Estacoes;
    estacoes.close();
    estacoes.setQuery(CachedDataset::composeSelect(findTable("ESTACOES")->columnList(), "ESTACOES",
                                                   " where upper(USUARIO) = ?"),
                      {user});
    estacoes.open();
    // The first row the server returns is the work area.
    if (estacoes.isEmpty() || upperAscii(estacoes.text("USUARIO")) != user) {
        ui.showMessage(workAreaNotFoundMessage(run.currentUserName()));
        estacoes.close();
        return result;
    }
    run.setCurrentStation(estacoes.text("ESTACAO"));
    result.databaseName = estacoes.text("DATBASNAM");
    run.setCurrentCnpj(estacoes.text("CNPJ"));
    if (run.currentCnpj().empty())
        ui.showMessage(cnpjMissingMessage(run.currentStation()));
    result.caption = "  RMNRA  -  Usu\xE1rio: " + kQuote + run.currentUserName() + kQuote +
                     "   Esta\xE7\xE3o: " + run.currentStation() +
                     "  Loja: " + formatCnpj(run.currentCnpj());
    // Marked in the cache only: Estacoes writes nothing back and is closed below.
    estacoes.edit();
    estacoes.setField("EMUSO", "S");
    estacoes.setField("ATCAIXA", "Ultima atividade: " + formatDateShort(Date::today()) + " " +
                                     formatTime(Time::now()));
    estacoes.post();
    session.dm2.setDatabase(workAreaDatabaseName(session.settings, run.currentStation()));
    estacoes.close();
    return result;
}

} // namespace rmnra
