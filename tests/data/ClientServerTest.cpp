#include "data/DatabaseNames.h"
#include "data/Schema.h"
#include "data/Session.h"
#include "data/fb/Client.h"
#include "data/fb/Error.h"
#include "settings/AppSettings.h"
#include "support/FirebirdServer.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace rmnra {
namespace {

// A real server on a loopback port: the suite's databases named CentralServerIp + ":" + path.
class ClientServerTest : public ::testing::Test {
protected:
    ClientServerTest() : server("rmnra-cs-7Q") {
        setenv("ISC_USER", "SYSDBA", 1);
        setenv("ISC_PASSWORD", server.password().c_str(), 1);
        setenv("ORVANTIS_HOME", server.dataFolder().c_str(), 1);
        setenv("ORVANTIS_SERVER_HOME", server.dataFolder().c_str(), 1);
        settings.CentralServerIp = server.host();
    }
    ~ClientServerTest() override {
        for (auto v : {"ISC_USER", "ISC_PASSWORD", "ORVANTIS_HOME", "ORVANTIS_SERVER_HOME"})
            unsetenv(v);
    }

    test::FirebirdServer server;
    AppSettings settings;
    fb::Client& client = fb::Client::load(fb::kClientLibraryName);
};

TEST_F(ClientServerTest, DataModulesReachTheDatabasesThroughTheServer) {
    std::filesystem::create_directories(server.dataFolder() + "dados");
    std::filesystem::create_directories(server.dataFolder() + "interfac01");
    const std::string mainName = mainDatabaseName(settings);
    ASSERT_EQ(mainName, server.host() + ":" + server.dataFolder() + "dados/orvantis.bd");
    createMainDatabase(client, mainName).detach();
    createWorkAreaDatabase(client, workAreaDatabaseName(settings, "01")).detach();

    Session session(settings, fb::kClientLibraryName);
    session.runValues.setCurrentCnpj("11222333000181");
    auto& book = session.dm.RMNRB2;
    book.open();
    book.append();
    book.setField("DESCRICAO", "Fosfato de code\xEDna");
    book.post();
    auto rows = session.dm.connection().query("select DESCRICAO, CNPJ from RMNRB2");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].text(), "Fosfato de code\xEDna");
    EXPECT_EQ(rows[0][1].text(), "11222333000181");

    session.dm2.setDatabase(workAreaDatabaseName(settings, "01"));
    auto& periodo = session.dm2.Periodo;
    periodo.open();
    periodo.append();
    periodo.setField("DATAINICIAL", Date{2026, 10, 1});
    periodo.setField("CHAVE", "\xC7");
    periodo.post();
    periodo.close();
    periodo.open();
    EXPECT_EQ(periodo.field("DATAINICIAL").date(), (Date{2026, 10, 1}));
    EXPECT_EQ(periodo.text("CHAVE"), "\xC7");
}

TEST_F(ClientServerTest, WrongPasswordIsRefusedWithItsCode) {
    std::filesystem::create_directories(server.dataFolder() + "dados");
    createMainDatabase(client, mainDatabaseName(settings)).detach();
    setenv("ISC_PASSWORD", "quillpost", 1);
    try {
        Session session(settings, fb::kClientLibraryName);
        session.dm.DCB.open();
        FAIL() << "logged in with a wrong password";
    } catch (const fb::Error& e) {
        EXPECT_EQ(e.iscCode(), 335544472L);
        EXPECT_EQ(e.sqlState(), "28000");
    }
}

} // namespace
} // namespace rmnra
