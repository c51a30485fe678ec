#include "data/ColumnLists.h"
#include "data/DatabaseNames.h"
#include "data/Session.h"
#include "data/fb/Error.h"
#include "settings/AppSettings.h"
#include "support/FirebirdFixture.h"

#include <cstdlib>

namespace rmnra {
namespace {

using fb::Value;

// A session on the fixture's databases: the suite folder is the fixture's folder.
class DataModuleTest : public test::FirebirdTest {
protected:
    DataModuleTest()
        : home_(setenv("ORVANTIS_HOME", db.suiteFolder().c_str(), 1)),
          session(settings, fb::kClientLibraryName) {}
    ~DataModuleTest() override { unsetenv("ORVANTIS_HOME"); }

    void run(const std::string& sql, const std::vector<Value>& params = {}) {
        auto tr = db.main().startTransaction();
        tr.execute(sql, params);
        tr.commit();
    }
    std::vector<fb::Row> rows(const std::string& sql, const std::vector<Value>& params = {}) {
        auto tr = db.main().startTransaction();
        return tr.query(sql, params);
    }
    void addDcb(const std::string& code, const std::string& name) {
        run("insert into DCB (DCB, DESCRICAO) values (?, ?)", {code, name});
    }

    int home_;
    AppSettings settings;
    Session session;
};

TEST_F(DataModuleTest, DatabaseNamesFollowCentralServerIp) {
    AppSettings s;
    EXPECT_EQ(mainDatabaseName(s), db.suiteFolder() + "dados/orvantis.bd");
    EXPECT_EQ(workAreaDatabaseName(s, "07"), db.suiteFolder() + "interfac07/orvantis.bd");
    EXPECT_EQ(initialWorkAreaDatabaseName(), db.suiteFolder() + "interfac/orvantis.bd");
    s.CentralServerIp = "127.0.0.1/3051";
    setenv("ORVANTIS_SERVER_HOME", "/srv/orvantis", 1);
    EXPECT_EQ(mainDatabaseName(s), "127.0.0.1/3051:/srv/orvantis/dados/orvantis.bd");
    EXPECT_EQ(workAreaDatabaseName(s, "01"), "127.0.0.1/3051:/srv/orvantis/interfac01/orvantis.bd");
    unsetenv("ORVANTIS_SERVER_HOME");
    EXPECT_EQ(session.dm.connection().database(), db.mainPath());
    EXPECT_EQ(session.dm.connection().name(), "ORVANTIS");
    EXPECT_EQ(session.dm2.connection().name(), "Interfac");
    EXPECT_FALSE(session.dm.connection().isOpen()); // opens with its first dataset
}

TEST_F(DataModuleTest, InitialQueriesUseTheColumnLists) {
    EXPECT_EQ(session.dm.RMNRB2.queryText(),
              std::string("select ") + Rmnrb2Columns + " from RMNRB2");
    EXPECT_EQ(session.dm.Estacoes.queryText(),
              "select ESTACAO, DATBASNAM, TIPO, ATCAIXA, ESVAZIAR, EMUSO, CAMINHOREQUISICAO, "
              "CAMINHOOM, CAMINHOECF, CAMINHOSEQUENCIAL1, CAMINHO2, ROTULO1, ROTULO2, ROTULO3, "
              "ROTULO4, ROTULO5, ROTULO6, USUARIO, CNPJ from ESTACOES");
    for (auto* ds : {&session.dm.DadosGer, &session.dm.DCB, &session.dm.RMNRB2,
                     &session.dm.Usuarios, &session.dm.Estacoes}) {
        ds->open();
        EXPECT_TRUE(ds->isEmpty()) << ds->name();
    }
    EXPECT_TRUE(session.dm.connection().isOpen());
}

TEST_F(DataModuleTest, WriteBackByKeyInsertsUpdatesAndDeletes) {
    addDcb("01", "Morfina");
    auto& dcb = session.dm.DCB;
    dcb.setQuery(CachedDataset::composeSelect("DCB, DESCRICAO", "DCB", " order by DCB"));
    dcb.open();
    dcb.append();
    dcb.setField("DCB", "02");
    dcb.setField("DESCRICAO", "Code\xEDna");
    dcb.post();
    dcb.first();
    dcb.edit();
    dcb.setField("DESCRICAO", "MORFINA");
    dcb.post();
    auto r = rows("select DCB, DESCRICAO from DCB order by DCB");
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0][1].text(), "MORFINA");
    EXPECT_EQ(r[1][1].text(), "Code\xEDna");
    dcb.last();
    dcb.deleteRecord();
    EXPECT_EQ(rows("select count(*) from DCB")[0][0].integer(), 1);
    EXPECT_EQ(dcb.recordCount(), 1u);
    EXPECT_EQ(dcb.pendingChanges(), 0u);
}

TEST_F(DataModuleTest, QuotesInKeysAndValuesAreWrittenAndMatchedLiterally) {
    addDcb("D'1", "x");
    addDcb("D1", "y");
    auto& dcb = session.dm.DCB;
    dcb.setQuery(CachedDataset::composeSelect("DCB, DESCRICAO", "DCB", " where DCB = ?"), {"D'1"});
    dcb.open();
    ASSERT_EQ(dcb.recordCount(), 1u);
    dcb.edit();
    dcb.setField("DESCRICAO", "a' or '1'='1");
    dcb.post();
    EXPECT_EQ(rows("select DESCRICAO from DCB where DCB = ?", {"D'1"})[0][0].text(),
              "a' or '1'='1");
    EXPECT_EQ(rows("select DESCRICAO from DCB where DCB = ?", {"D1"})[0][0].text(), "y");
    dcb.deleteRecord();
    EXPECT_EQ(rows("select DCB from DCB").size(), 1u);
}

TEST_F(DataModuleTest, ReReadAfterPostKeepsTheOrdinalPosition) {
    for (auto c : {"1", "2", "3", "4", "5"})
        addDcb(c, std::string("n") + c);
    auto& dcb = session.dm.DCB;
    dcb.setQuery(CachedDataset::composeSelect("DCB, DESCRICAO", "DCB", " order by DCB"));
    int scrolls = 0;
    dcb.afterScroll = [&](CachedDataset&) { ++scrolls; };
    dcb.open();
    EXPECT_EQ(scrolls, 1); // opening on a row counts as reaching it
    dcb.moveTo(3);
    // Another program adds a row that sorts first: the cursor stays at the same position.
    addDcb("0", "n0");
    dcb.edit();
    dcb.setField("DESCRICAO", "changed");
    dcb.post();
    EXPECT_EQ(dcb.recordCount(), 6u);
    EXPECT_EQ(dcb.recNo(), 3u);
    EXPECT_EQ(dcb.text("DCB"), "3");
    dcb.last();
    dcb.deleteRecord();
    EXPECT_EQ(dcb.recNo(), 4u); // the last row went, the cursor is on the new last one
    EXPECT_EQ(dcb.text("DCB"), "4");
}

TEST_F(DataModuleTest, WriteBackByAllReadValuesMatchesNullsAndFindsTheRow) {
    run("insert into DADOSGER (CGC, FIRMA, MES, EXERCICIO, NUMEROINICIAL) values (?, ?, ?, ?, ?)",
        {"11222333000181",
         "Farm\xE1"
         "cia A",
         "OUTUBRO", "2026", 5});
    run("insert into DADOSGER (CGC, FIRMA) values (?, ?)", {"99888777000166", "Outra"});
    auto& dg = session.dm.DadosGer;
    dg.setQuery(CachedDataset::composeSelect(DadosGerColumns, "DADOSGER", " where CGC = ?"),
                {"11222333000181"});
    dg.open();
    ASSERT_EQ(dg.recordCount(), 1u);
    EXPECT_TRUE(dg.field("CIDADE").isNull());
    dg.edit();
    dg.setField("MES", "NOVEMBRO");
    dg.setField("CIDADE", "Campinas");
    dg.post();
    auto r = rows("select MES, CIDADE, FIRMA from DADOSGER order by CGC");
    EXPECT_EQ(r[0][0].text(), "NOVEMBRO");
    EXPECT_EQ(r[0][1].text(), "Campinas");
    EXPECT_EQ(r[1][2].text(), "Outra"); // the other pharmacy's row is untouched
    EXPECT_EQ(dg.text("MES"), "NOVEMBRO");
}

TEST_F(DataModuleTest, RefusedWriteIsReportedOnceRestoredAndDoesNotPoisonLaterWrites) {
    run("insert into DADOSGER (CGC, FIRMA, MES) values (?, ?, ?)",
        {"11222333000181", "A", "OUTUBRO"});
    auto& dg = session.dm.DadosGer;
    dg.setQuery(CachedDataset::composeSelect(DadosGerColumns, "DADOSGER", " where CGC = ?"),
                {"11222333000181"});
    dg.open();
    // Another program of the suite changes the row in the meantime.
    {
        auto other = db.attachMainAgain();
        auto tr = other.startTransaction();
        tr.execute("update DADOSGER set FIRMA = ? where CGC = ?", {"B", "11222333000181"});
        tr.commit();
    }
    dg.edit();
    dg.setField("MES", "NOVEMBRO");
    EXPECT_THROW(dg.post(), fb::Error);
    EXPECT_EQ(dg.pendingChanges(), 0u);
    EXPECT_EQ(dg.state(), DatasetState::Browse);
    EXPECT_EQ(dg.text("MES"), "OUTUBRO"); // back to the read values
    auto r = rows("select FIRMA, MES from DADOSGER");
    EXPECT_EQ(r[0][0].text(), "B"); // the other program's change is kept
    EXPECT_EQ(r[0][1].text(), "OUTUBRO");
    // The next re-read and write work.
    dg.refresh();
    EXPECT_EQ(dg.text("FIRMA"), "B");
    dg.edit();
    dg.setField("MES", "NOVEMBRO");
    dg.post();
    EXPECT_EQ(rows("select MES from DADOSGER")[0][0].text(), "NOVEMBRO");
}

TEST_F(DataModuleTest, RefusedInsertAndDeleteLeaveTheCacheAsRead) {
    addDcb("1", "a");
    addDcb("2", "b");
    auto& dcb = session.dm.DCB;
    dcb.setQuery(CachedDataset::composeSelect("DCB, DESCRICAO", "DCB", " order by DCB"));
    dcb.open();
    dcb.append();
    dcb.setField("DCB", "1"); // duplicate key
    dcb.setField("DESCRICAO", "dup");
    EXPECT_THROW(dcb.post(), fb::Error);
    EXPECT_EQ(dcb.recordCount(), 2u);
    EXPECT_EQ(dcb.pendingChanges(), 0u);
    // A row another program deleted cannot be deleted again: it comes back into the cache.
    run("delete from DCB where DCB = ?", {"2"});
    dcb.moveTo(1);
    EXPECT_THROW(dcb.deleteRecord(), fb::Error);
    EXPECT_EQ(dcb.recordCount(), 2u);
    EXPECT_EQ(dcb.text("DCB"), "2");
    // Later writes work.
    dcb.append();
    dcb.setField("DCB", "3");
    dcb.setField("DESCRICAO", "c");
    dcb.post();
    EXPECT_EQ(rows("select count(*) from DCB")[0][0].integer(), 2);
}

TEST_F(DataModuleTest, NewBookRowGetsTheCurrentCnpj) {
    auto& book = session.dm.RMNRB2;
    book.open();
    book.append(); // before identification: an empty CNPJ
    EXPECT_EQ(book.field("CNPJ"), Value(""));
    book.setField("DCB", "00001");
    book.post();
    session.runValues.setCurrentCnpj("11222333000181");
    book.append();
    EXPECT_EQ(book.text("CNPJ"), "11222333000181");
    book.setField("DCB", "00002");
    book.setField("NPEDIDO", "123");
    book.post();
    auto r = rows("select DCB, CNPJ from RMNRB2 order by DCB");
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0][1], Value(""));
    EXPECT_EQ(r[1][1].text(), "11222333000181");
}

TEST_F(DataModuleTest, BookRowsCannotBeChangedThroughTheCacheTheTableHasNoKey) {
    run("insert into RMNRB2 (DCB, CNPJ) values (?, ?)", {"1", "x"});
    auto& book = session.dm.RMNRB2;
    book.open();
    book.edit();
    book.setField("DCB", "2");
    EXPECT_THROW(book.post(), fb::Error);
    EXPECT_EQ(book.text("DCB"), "1");
    EXPECT_EQ(rows("select DCB from RMNRB2")[0][0].text(), "1");
}

TEST_F(DataModuleTest, TextLongerThanItsColumnIsCutWhenSet) {
    auto& book = session.dm.RMNRB2;
    book.open();
    book.append();
    book.setField("NFORMULA", "123");
    EXPECT_EQ(book.text("NFORMULA"), "12");
    book.cancel();
    EXPECT_TRUE(book.isEmpty());
}

TEST_F(DataModuleTest, DatasetsWithoutWriteBackKeepChangesInTheCacheOnly) {
    run("insert into ESTACOES (ESTACAO, USUARIO, EMUSO) values (?, ?, ?)", {"01", "ana", "N"});
    auto& st = session.dm.Estacoes;
    st.open();
    st.edit();
    st.setField("EMUSO", "S");
    st.post();
    EXPECT_EQ(st.text("EMUSO"), "S");
    EXPECT_EQ(st.pendingChanges(), 1u);
    EXPECT_EQ(rows("select EMUSO from ESTACOES")[0][0].text(), "N");
    st.close();
    st.open();
    EXPECT_EQ(st.text("EMUSO"), "N");
}

TEST_F(DataModuleTest, PeriodoIsWrittenBackInTheWorkAreaAfterRePointing) {
    session.dm2.setDatabase(db.workAreaPath());
    auto& p = session.dm2.Periodo;
    p.open();
    ASSERT_TRUE(p.isEmpty());
    p.append();
    p.setField("DATAINICIAL", Date{2026, 10, 1});
    p.setField("DATAFINAL", Date{2026, 10, 31});
    p.post();
    p.edit(); // located by all its read values, most of them NULL
    p.setField("DATAFINAL", Date{2026, 10, 30});
    p.post();
    auto tr = db.workArea().startTransaction();
    auto r = tr.query("select DATAINICIAL, DATAFINAL, CHAVE from PERIODO");
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0][1].date(), (Date{2026, 10, 30}));
    EXPECT_TRUE(r[0][2].isNull());
    session.dm2.setDatabase(db.workAreaPath());
    EXPECT_FALSE(p.isOpen());
    EXPECT_FALSE(session.dm2.connection().isOpen());
}

TEST_F(DataModuleTest, DirectStatementsRunInOneTransaction) {
    addDcb("1", "a");
    EXPECT_THROW(session.dm.inTransaction([](fb::Transaction& tr) {
        tr.execute("delete from DCB");
        tr.execute("insert into DCB (DCB, DESCRICAO) values (?, ?)", {"2", "b"});
        tr.execute("insert into DCB (DCB, DESCRICAO) values (?, ?)", {"2", "dup"});
    }),
                 fb::Error);
    auto r = rows("select DCB from DCB");
    ASSERT_EQ(r.size(), 1u); // all or nothing
    EXPECT_EQ(r[0][0].text(), "1");
    EXPECT_EQ(session.dm.execute("delete from DCB where DCB = ?", {"1"}), 1u);
}

TEST(Schema, ColumnListsFollowTheTables) {
    const std::pair<const char*, const char*> lists[] = {
        {"RMNRB2", Rmnrb2Columns},     {"DADOSGER", DadosGerColumns},
        {"USUARIOS", UsuariosColumns}, {"COMPONEN", ComponenColumns},
        {"PEDIDOS", PedidosColumns},   {"PEDIFORM", PediformColumns},
        {"COMPEDID", CompedidColumns}, {"ITENS", ItensColumns},
        {"ENTREGAR", EntregarColumns}};
    for (auto [table, list] : lists) {
        const TableDef* t = findTable(table);
        ASSERT_NE(t, nullptr) << table;
        EXPECT_EQ(t->columnList(), list) << table;
    }
    for (auto name : {"RMNRB2", "DADOSGER", "ESTACOES", "PERIODO"})
        EXPECT_TRUE(findTable(name)->key.empty()) << name;
    EXPECT_EQ(findTable("COMPEDID")->key,
              (std::vector<std::string>{"ESTACAO", "NPEDIDO", "NFORMULA", "COMPONENTE"}));
    EXPECT_EQ(findTable("PERIODO"), &workAreaTables()[0]);
}

} // namespace
} // namespace rmnra
