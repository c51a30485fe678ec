#include "data/SuiteCreator.h"

#include "data/DemoData.h"
#include "data/fb/Attachment.h"
#include "data/fb/Client.h"
#include "data/fb/Error.h"
#include "data/fb/Transaction.h"
#include "security/CredentialEncoding.h"
#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace rmnra {
namespace {

namespace fs = std::filesystem;

std::vector<fb::Row> query(const std::string& database, const std::string& sql,
                           const std::vector<fb::Value>& params = {}) {
    auto db = fb::Attachment::attach(fb::Client::load(fb::kClientLibraryName),
                                     fb::ConnectionParams::forDatabase(database, "NONE"));
    auto tr = db.startTransaction();
    return tr.query(sql, params);
}

int64_t count(const std::string& database, const std::string& sql,
              const std::vector<fb::Value>& params = {}) {
    return query(database, sql, params).at(0).at(0).integer();
}

TEST(SuiteCreator, CreatesTheFoldersAndDatabasesAndRefusesToOverwrite) {
    test::TempDir dir;
    const std::string root = dir.folder() + "suite";
    createSuite(root, false, fb::kClientLibraryName);
    for (auto sub : {"RPT", "LOG", "dados", "interfac", "interfac01"})
        EXPECT_TRUE(fs::is_directory(root + "/" + sub)) << sub;
    EXPECT_EQ(count(root + "/dados/orvantis.bd", "select count(*) from PEDIDOS"), 0);
    EXPECT_EQ(count(root + "/interfac01/orvantis.bd", "select count(*) from PERIODO"), 0);
    EXPECT_THROW(query(root + "/dados/orvantis.bd", "select count(*) from PERIODO"), fb::Error);

    auto size = fs::file_size(root + "/dados/orvantis.bd");
    EXPECT_THROW(createSuite(root, true, fb::kClientLibraryName), SuiteCreationRefused);
    EXPECT_EQ(fs::file_size(root + "/dados/orvantis.bd"), size);
    // Only the work-area file is in the way: nothing is created either.
    const std::string other = dir.folder() + "other";
    fs::create_directories(other + "/interfac01");
    std::ofstream(other + "/interfac01/orvantis.bd") << "x";
    EXPECT_THROW(createSuite(other, false, fb::kClientLibraryName), SuiteCreationRefused);
    EXPECT_FALSE(fs::exists(other + "/dados/orvantis.bd"));
}

TEST(SuiteCreator, DemoPharmacyCanLogInAndHasAMonthOfOrders) {
    test::TempDir dir;
    const std::string root = dir.folder() + "demo/";
    createSuite(root, true, fb::kClientLibraryName);
    const std::string main = root + "dados/orvantis.bd";

    auto pharmacy = query(main,
                          "select MES, EXERCICIO, FIRMA, SECRETARIA_SAUDE from DADOSGER "
                          "where CGC = ?",
                          {kDemoCnpj});
    ASSERT_EQ(pharmacy.size(), 1u);
    EXPECT_EQ(pharmacy[0][0].text(), "OUTUBRO");
    EXPECT_EQ(pharmacy[0][1].text(), "2026");

    auto demo = query(main, "select SENHA, ACESSO from USUARIOS where USUARIO = ?",
                      {EncodeCredential("DEMO")});
    ASSERT_EQ(demo.size(), 1u);
    EXPECT_EQ(demo[0][0].text(), EncodeCredential("1234"));
    const std::string access = demo[0][1].text();
    ASSERT_GE(access.size(), 14u);
    EXPECT_EQ(char(uint8_t(access[13]) - 15), 'D');
    auto denied =
        query(main, "select ACESSO from USUARIOS where USUARIO = ?", {EncodeCredential("CAIXA")});
    ASSERT_EQ(denied.size(), 1u);
    EXPECT_NE(char(uint8_t(denied[0][0].text()[13]) - 15), 'C');

    auto station = query(main,
                         "select ESTACAO, CNPJ, DATBASNAM from ESTACOES where "
                         "upper(USUARIO) = ?",
                         {"DEMO"});
    ASSERT_EQ(station.size(), 1u);
    EXPECT_EQ(station[0][0].text(), "01");
    EXPECT_EQ(station[0][1].text(), kDemoCnpj);
    EXPECT_EQ(station[0][2].text(), root + "interfac01/orvantis.bd");

    const Date first{2026, 10, 1}, last{2026, 10, 31};
    EXPECT_GE(count(main,
                    "select count(*) from PEDIDOS where DATAPEDIDO between ? and ? and "
                    "TIPOPEDIDO = 'Pedido'",
                    {first, last}),
              200);
    EXPECT_GT(count(main, "select count(*) from PEDIDOS where TIPOPEDIDO <> 'Pedido'"), 0);
    // List-A components in the month's formulas, and ready-made list-A items.
    EXPECT_GT(count(main, "select count(*) from COMPEDID c join COMPONEN k on k.CODIGO = "
                          "c.CODIGOCOMP where k.LISTA starting with 'A'"),
              50);
    EXPECT_GT(count(main, "select count(*) from ITENS i join COMPONEN k on k.CODIGO = i.CODPROD "
                          "where k.LISTA starting with 'A'"),
              5);
    for (auto list : {"A1", "A2", "A3", "B1", "C1"})
        EXPECT_GT(count(main, "select count(*) from COMPONEN where LISTA = ?", {list}), 0) << list;
    // The gaps later steps must show.
    EXPECT_GT(count(main, "select count(*) from PEDIFORM where USASUBSTCONTR = 'S' and "
                          "(NUMERONOTIFICACAO is null or NUMERONOTIFICACAO = '')"),
              0);
    EXPECT_GT(count(main, "select count(*) from PEDIFORM where USASUBSTCONTR = 'S' and "
                          "DATAPRESCRICAO is null"),
              0);
    EXPECT_GT(count(main, "select count(*) from PEDIFORM where FORMAFARMA starting with 'C' and "
                          "coalesce(QDE_CAPS_PRESCRITA, 0) <= 0"),
              0);
    EXPECT_GT(count(main, "select count(*) from PEDIDOS where coalesce(CRM, '') = ''"), 0);
    EXPECT_GT(count(main, "select count(*) from DCB where DESCRICAO = upper(DESCRICAO)"), 0);
}

TEST(SuiteCreator, DemoIsTheSameEveryTime) {
    test::TempDir dir;
    createSuite(dir.folder() + "a", true, fb::kClientLibraryName);
    createSuite(dir.folder() + "b", true, fb::kClientLibraryName);
    const std::string sql = "select ESTACAO, NPEDIDO, NOME, DATAPEDIDO, TIPOPEDIDO, PRECOFINAL, "
                            "CRM from PEDIDOS order by ESTACAO, NPEDIDO";
    auto a = query(dir.folder() + "a/dados/orvantis.bd", sql);
    auto b = query(dir.folder() + "b/dados/orvantis.bd", sql);
    EXPECT_EQ(a, b);
    const std::string components = "select NPEDIDO, NFORMULA, COMPONENTE, QDEDIG from COMPEDID "
                                   "order by ESTACAO, NPEDIDO, NFORMULA, COMPONENTE";
    EXPECT_EQ(query(dir.folder() + "a/dados/orvantis.bd", components),
              query(dir.folder() + "b/dados/orvantis.bd", components));
}

} // namespace
} // namespace rmnra
