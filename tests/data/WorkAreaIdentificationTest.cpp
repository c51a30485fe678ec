#include "data/WorkAreaIdentification.h"

#include "data/Session.h"
#include "settings/AppSettings.h"
#include "support/FirebirdFixture.h"
#include "support/QuietUserInterface.h"

#include <cstdlib>

namespace rmnra {
namespace {

class MessagesUi : public test::QuietUserInterface {
public:
    std::vector<std::string> messages;
    void showMessage(const std::string& text) override { messages.push_back(text); }
};

class IdentifyWorkAreaTest : public test::FirebirdTest {
protected:
    IdentifyWorkAreaTest()
        : home_(setenv("ORVANTIS_HOME", db.suiteFolder().c_str(), 1)),
          session(settings, fb::kClientLibraryName) {}
    ~IdentifyWorkAreaTest() override { unsetenv("ORVANTIS_HOME"); }

    void addStation(const std::string& station, const std::string& user, const std::string& cnpj,
                    const std::string& dbName = "C:\\orvantis\\interfac01\\orvantis.bd") {
        auto tr = db.main().startTransaction();
        tr.execute("insert into ESTACOES (ESTACAO, DATBASNAM, USUARIO, CNPJ, EMUSO) "
                   "values (?, ?, ?, ?, ?)",
                   {station, dbName, user, cnpj, "N"});
        tr.commit();
    }
    WorkAreaIdentification identify(const std::string& user) {
        session.runValues.setCurrentUserName(user);
        return IdentifyWorkArea(session, ui);
    }

    int home_;
    AppSettings settings;
    Session session;
    MessagesUi ui;
};

TEST_F(IdentifyWorkAreaTest, FindsTheWorkAreaWhateverTheCaseOfAToZ) {
    addStation("101", "maria", "11222333000181");
    auto r = identify("MARIA");
    EXPECT_EQ(r.databaseName, "C:\\orvantis\\interfac01\\orvantis.bd");
    EXPECT_EQ(r.loginName, "MARIA");
    EXPECT_EQ(r.caption, "  RMNRA  -  Usu\xE1rio: \"MARIA\"   Esta\xE7\xE3o: 10  Loja: "
                         "11.222.333/0001-81");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(session.runValues.currentStation(), "10");
    EXPECT_EQ(session.runValues.currentCnpj(), "11222333000181");
    EXPECT_EQ(session.dm2.connection().database(), db.suiteFolder() + "interfac10/orvantis.bd");
    EXPECT_FALSE(session.dm.Estacoes.isOpen());
    // The in-use marking stays in the cache.
    auto tr = db.main().startTransaction();
    EXPECT_EQ(tr.query("select EMUSO from ESTACOES")[0][0].text(), "N");
}

TEST_F(IdentifyWorkAreaTest, AccentedLettersMustHaveTheSameCase) {
    addStation("01", "jo\xE3o", "11222333000181"); // joão
    session.runValues.setCurrentCnpj("99");
    session.runValues.setCurrentStation("05");
    auto r = identify("JO\xC3O"); // JOÃO
    EXPECT_EQ(r.databaseName, "");
    EXPECT_EQ(r.caption, "");
    EXPECT_EQ(session.runValues.currentStation(), "");
    EXPECT_EQ(session.runValues.currentCnpj(), "99"); // kept when nothing is found
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0],
              "N\xE3o foi poss\xEDvel selecionar uma \xE1rea de trabalho para o usu\xE1rio "
              "\"JO\xC3O\". \r\rCausas prov\xE1veis: \r\r  1) Na tabela \"Estacoes.db\" n\xE3o foi "
              "inclu\xED"
              "da uma esta\xE7\xE3o para o usu\xE1rio \"JO\xC3O\".\r     Obs: Criar tamb\xE9m a "
              "\xE1rea de trabalho f\xEDsica (pasta C:\\Orvantis\\InterfacXX) para este "
              "usu\xE1rio.\r  --> Favor contactar o suporte t\xE9"
              "cnico da ORV SISTEMAS <--");
    EXPECT_EQ(identify("jo\xE3o").databaseName, "C:\\orvantis\\interfac01\\orvantis.bd");
}

TEST_F(IdentifyWorkAreaTest, MissingCnpjIsReportedAndIdentificationGoesOn) {
    addStation("02", "O'Neil", "", "");
    auto r = identify("O'NEIL");
    EXPECT_EQ(r.databaseName, ""); // the login fails on the empty database name
    EXPECT_EQ(r.caption, "  RMNRA  -  Usu\xE1rio: \"O'NEIL\"   Esta\xE7\xE3o: 02  Loja: ../-");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Erro na configura\xE7\xE3o da tabela ESTACOES:\rO campo CNPJ tabela "
                              "ESTACOES n\xE3o foi preenchido para o a esta\xE7\xE3o 02");
    EXPECT_EQ(session.dm2.connection().database(), db.suiteFolder() + "interfac02/orvantis.bd");
}

TEST_F(IdentifyWorkAreaTest, NoWorkAreaForAnUnknownUser) {
    addStation("01", "ANA", "1");
    EXPECT_EQ(identify("BIA").databaseName, "");
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(session.dm2.connection().database(), db.suiteFolder() + "interfac/orvantis.bd");
}

} // namespace
} // namespace rmnra
