#include "book/PrepareBook.h"

#include "MonthFixture.h"
#include "book/BookReports.h"
#include "book/BookTable.h"
#include "book/InconsistencyReport.h"
#include "book/MonthReader.h"
#include "data/fb/Error.h"

#include <filesystem>

namespace rmnra {
namespace {

using test::kCnpj;
using test::kOtherCnpj;
using test::query;

std::vector<BookRow> bookOf(fb::Attachment& db, const std::string& cnpj,
                            const std::string& ordering = "") {
    auto tx = db.startTransaction();
    auto rows = OpenBookTable(tx, cnpj, ordering);
    tx.commit();
    return rows;
}

std::optional<std::int64_t> prescribedOf(const std::vector<fb::Row>& rows, const char* estacao,
                                         int npedido, int nformula) {
    for (const auto& r : rows)
        if (r[0].textOr() == estacao && r[1].integerOr() == npedido && r[2].integerOr() == nformula)
            return r[3].isNull() ? std::nullopt : std::optional(r[3].integerOr());
    ADD_FAILURE() << "no formula " << estacao << "." << npedido << "." << nformula;
    return std::nullopt;
}

using PrepareBookTest = test::MonthFixture;

TEST_F(PrepareBookTest, PreparesChecksAndPrintsTheMonth) {
    BookContext ctx = context();
    ASSERT_TRUE(Prepara_Rmnra(ctx, {2024, 3, 1}, {2024, 3, 31}));

    const std::vector<BookRow> expected = {R3, R6, R1, R4, R2, R5};
    EXPECT_EQ(bookOf(db.main(), kCnpj), expected);
    EXPECT_EQ(bookDcbs(kOtherCnpj), std::vector<std::string>{"OTHER"});

    auto caps = prescribed();
    EXPECT_EQ(prescribedOf(caps, "01", 1, 1), 60);           // corrected with the capsule count
    EXPECT_EQ(prescribedOf(caps, "01", 1, 123), 1);          // no capsule count: 1
    EXPECT_EQ(prescribedOf(caps, "01", 1, 3), 20);           // positive: kept
    EXPECT_EQ(prescribedOf(caps, "01", 1, 4), 0);            // nothing qualifies: kept
    EXPECT_EQ(prescribedOf(caps, "01", 2, 1), std::nullopt); // order skipped
    EXPECT_EQ(prescribedOf(caps, "01", 3, 1), std::nullopt); // April
    EXPECT_EQ(prescribedOf(caps, "01", 4, 1), std::nullopt); // not of type Pedido
    EXPECT_EQ(prescribedOf(caps, "03", 5, 1), 1);

    const std::vector<std::string> report = {
        "RELAT\xD3RIO DE ERROS DE CONSIST\xCANCIA",
        "==================================",
        "  ",
        "01.1.12 \"DCB\" n\xE3o encontrado",
        "01.1.12 \"Descri\xE7\xE3o\" n\xE3o encontrada",
        "03.5.1 \"N\xBA Notifica\xE7\xE3o\" n\xE3o encontrado",
        "03.5.1 \"Data Prescri\xE7\xE3o\" n\xE3o informada.",
        "03.5.1 \"M\xE9"
        "dico\" n\xE3o encontrado",
    };
    EXPECT_EQ(readReportFile(inconsistencyReportPath()), report);
    ASSERT_EQ(ui.inconsistencyPanels.size(), 1u);
    EXPECT_EQ(ui.inconsistencyPanels[0], report);

    ASSERT_EQ(ui.reports.size(), 1u);
    EXPECT_EQ(ui.reports[0].name, "rptOficial");
    EXPECT_EQ(ui.reports[0].data.rmnrb2.rows, bookReportTable(expected).rows);
    ASSERT_EQ(ui.reports[0].data.dadosGer.rows.size(), 1u);
    int cgc = ui.reports[0].data.dadosGer.columnIndex("CGC");
    EXPECT_EQ(std::get<std::string>(ui.reports[0].data.dadosGer.rows[0][cgc]), kCnpj);

    EXPECT_EQ((std::vector<int>{ui.bounds[0], ui.bounds[1], ui.bounds[2], ui.bounds[3]}),
              (std::vector<int>{275, 54, 205, 180}));
    EXPECT_EQ(ui.labels,
              (std::vector<std::string>{"Verifica\xE7\xE3o Inicial em Pedidos",
                                        "Verificando Pedidos", "Pedido 01.1", "Pedido 02.1",
                                        "Pedido 03.5", "Verificando Inconsist\xEAncia"}));
    EXPECT_EQ(ui.maxima, (std::vector<int>{5, 6}));
    EXPECT_FALSE(ui.progressVisible);
    EXPECT_GT(ui.pendingEventCalls, 0);
}

TEST_F(PrepareBookTest, BookOrderingComesFromTheSettings) {
    BookContext ctx = context();
    ASSERT_TRUE(Prepara_Rmnra(ctx, {2024, 3, 1}, {2024, 3, 31}));
    // By date alone (a missing date first); rows of one date in the server's order.
    for (const char* ordering : {"Data", "data", "DATA"}) {
        std::vector<BookRow> rows = bookOf(db.main(), kCnpj, ordering);
        ASSERT_EQ(rows.size(), 6u);
        EXPECT_EQ(rows[0], R6) << ordering;
        for (size_t i = 2; i < rows.size(); ++i)
            EXPECT_LE(*rows[i - 1].DATA, *rows[i].DATA) << ordering;
        EXPECT_EQ(rows.back(), R5) << ordering;
    }
    const std::vector<BookRow> byDcb = {R3, R6, R1, R4, R2, R5};
    EXPECT_EQ(bookOf(db.main(), kCnpj, "DATA,DCB"), byDcb);
    EXPECT_EQ(bookOf(db.main(), kCnpj, " DATA"), byDcb);
}

TEST_F(PrepareBookTest, FormulasAndComponentsKeepTheServerOrderWithinTheirOrder) {
    auto tx = db.main().startTransaction();
    MonthReader reader(tx, Period{{2024, 3, 1}, {2024, 3, 31}}, OrderSelection::PedidoTypeSorted);
    std::vector<OrderRecord> orders = reader.readOrders();
    reader.readDetails(orders, true);
    tx.commit();

    std::vector<std::string> keys;
    for (const auto& o : orders)
        keys.push_back(o.ESTACAO + "." + std::to_string(o.NPEDIDO) + " " + o.TIPOPEDIDO);
    EXPECT_EQ(keys, (std::vector<std::string>{"01.1 Pedido", "01.2 PEDIDO", "02.1 Pedido",
                                              "02.2 pedido", "03.5 Pedido"}));
    // Stored out of key order, read back as stored.
    std::vector<std::string> walked;
    for (const auto& f : orders[0].formulas) {
        walked.push_back(std::to_string(f.NFORMULA));
        for (const auto& c : f.components)
            walked.push_back(c.COMPONENTE);
    }
    EXPECT_EQ(walked, (std::vector<std::string>{"1", "FENOBARBITAL", "LACTOSE", "DIAZEPAM", "",
                                                "123", "SEM DCB", "LISTA MINUSCULA", "3", "LONGO",
                                                "4", "LACTOSE", "LISTA B"}));
    EXPECT_TRUE(orders[0].items.empty());    // it has formulas
    EXPECT_TRUE(orders[1].formulas.empty()); // "PEDIDO" is never walked
    ASSERT_EQ(orders[2].items.size(), 2u);
    EXPECT_EQ(orders[2].items[0].CODPROD, "RIVO");
}

TEST_F(PrepareBookTest, AFailureMidwayLeavesTheOldBookAndTheFormulasAsTheyWere) {
    db.main().executeImmediate("create exception E_TEST_FAIL 'falha simulada'");
    db.main().executeImmediate("create sequence G_TEST_INSERTS");
    db.main().executeImmediate(
        "create trigger T_TEST_FAIL for RMNRB2 before insert as begin "
        "if (gen_id(G_TEST_INSERTS, 1) >= 4) then exception E_TEST_FAIL; end");
    const auto capsBefore = prescribed();

    BookContext ctx = context();
    EXPECT_THROW(Prepara_Rmnra(ctx, {2024, 3, 1}, {2024, 3, 31}), fb::Error);

    EXPECT_EQ(bookDcbs(kCnpj), std::vector<std::string>{"OLD"});
    EXPECT_EQ(bookDcbs(kOtherCnpj), std::vector<std::string>{"OTHER"});
    EXPECT_EQ(prescribed(), capsBefore);
    EXPECT_TRUE(ui.reports.empty());
}

TEST_F(PrepareBookTest, UnreadableOrdersShowTheMessageAndChangeNothing) {
    db.main().executeImmediate("alter table PEDIDOS drop MEDICO");
    BookContext ctx = context();
    EXPECT_FALSE(Prepara_Rmnra(ctx, {2024, 3, 1}, {2024, 3, 31}));
    ASSERT_EQ(ui.messages.size(), 1u);
    const std::string& m = ui.messages[0];
    EXPECT_EQ(m.rfind("[Prepara_Rmnra] UM ERRO N\xC3O TRATADO FOI GERADO!!!\rErro encontrado: ", 0),
              0u)
        << m;
    EXPECT_NE(m.find("\rClasse: rmnra::fb::Error\rLinha: 2231."), std::string::npos) << m;
    EXPECT_EQ(bookDcbs(kCnpj), std::vector<std::string>{"OLD"});
    EXPECT_TRUE(ui.reports.empty());
}

TEST_F(PrepareBookTest, AMonthWithoutOrdersPrintsTheBookWithoutMovement) {
    BookContext ctx = context();
    size_t rowsDuringReport = 99;
    ui.duringReport = [&](const std::string&) { rowsDuringReport = bookDcbs(kCnpj).size(); };
    ASSERT_TRUE(Prepara_Rmnra(ctx, {2024, 5, 1}, {2024, 5, 31}));

    ASSERT_EQ(ui.reports.size(), 1u);
    EXPECT_EQ(ui.reports[0].name, "rptOficialSemMovimentacao");
    const ReportTable& book = ui.reports[0].data.rmnrb2;
    ASSERT_EQ(book.rows.size(), 1u);
    EXPECT_EQ(std::get<std::string>(book.rows[0][book.columnIndex("DCB")]), "\xA0");
    EXPECT_EQ(std::get<std::string>(book.rows[0][book.columnIndex("CNPJ")]), kCnpj);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(book.rows[0][book.columnIndex("DATA")]));
    // The placeholder never reaches the database, not even while the preview is open.
    EXPECT_EQ(rowsDuringReport, 0u);
    EXPECT_TRUE(bookDcbs(kCnpj).empty());
    EXPECT_EQ(ui.maxima, (std::vector<int>{0, 0}));
    EXPECT_TRUE(ui.inconsistencyPanels.empty());
    EXPECT_FALSE(std::filesystem::exists(inconsistencyReportPath()));
}

TEST_F(PrepareBookTest, BookCommandsReadWhatIsThereAndNeverStoreThePlaceholder) {
    BookContext ctx = context();
    ShowOfficialBook(ctx);
    ShowDetailedListing(ctx);
    BookContext none{db.main(), "", "", ui};
    ShowOfficialBook(none);
    ShowOfficialBook(none);
    ShowDetailedListing(none);

    ASSERT_EQ(ui.reports.size(), 5u);
    EXPECT_EQ(ui.reports[0].name, "rptOficial"); // the old row, whatever its month
    EXPECT_EQ(ui.reports[0].data.rmnrb2.rows.size(), 1u);
    EXPECT_EQ(ui.reports[1].name, "rptDetalha");
    EXPECT_EQ(ui.reports[2].name, "rptOficialSemMovimentacao");
    EXPECT_EQ(ui.reports[2].data.dadosGer.rows.size(), 0u);
    EXPECT_EQ(ui.reports[3].name, "rptOficialSemMovimentacao");
    EXPECT_EQ(ui.reports[4].name, "rptDetalha");
    EXPECT_TRUE(ui.reports[4].data.rmnrb2.rows.empty());
    // The official books read the project file anew; the listing reuses a loaded one.
    EXPECT_EQ(ui.reportEvents,
              (std::vector<std::string>{"close", "rptOficial", "rptDetalha", "close",
                                        "rptOficialSemMovimentacao", "close",
                                        "rptOficialSemMovimentacao", "rptDetalha"}));
    EXPECT_TRUE(query(db.main(), "select 1 from RMNRB2 where CNPJ = ''").empty());
    EXPECT_EQ(bookDcbs(kCnpj), std::vector<std::string>{"OLD"});
}

TEST_F(PrepareBookTest, PreparationCommandStoresThePeriodAndPreparesTheMonth) {
    BookContext ctx = context();
    ASSERT_TRUE(actPrepararLivroExecute(ctx, db.workArea()));
    ASSERT_TRUE(actPrepararLivroExecute(ctx, db.workArea()));
    auto periodo = query(db.workArea(), "select DATAINICIAL, DATAFINAL from PERIODO");
    ASSERT_EQ(periodo.size(), 1u); // the first row is reused
    EXPECT_EQ(periodo[0][0].date(), (Date{2024, 3, 1}));
    EXPECT_EQ(periodo[0][1].date(), (Date{2024, 3, 31}));
    EXPECT_EQ(bookOf(db.main(), kCnpj).size(), 6u);

    test::execute(db.main(), "update DADOSGER set MES = 'FEVEREIRO'");
    ASSERT_TRUE(actPrepararLivroExecute(ctx, db.workArea()));
    periodo = query(db.workArea(), "select DATAINICIAL, DATAFINAL from PERIODO");
    EXPECT_EQ(periodo[0][1].date(), (Date{2024, 2, 29}));
    EXPECT_TRUE(bookOf(db.main(), kCnpj).empty());
}

TEST_F(PrepareBookTest, AMonthOutsideTheTableIsRefusedAndNothingIsStored) {
    test::execute(db.main(), "update DADOSGER set MES = 'marco'");
    BookContext ctx = context();
    EXPECT_FALSE(actPrepararLivroExecute(ctx, db.workArea()));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("\"marco\""), std::string::npos);
    EXPECT_NE(ui.messages[0].find("\"2024\""), std::string::npos);
    EXPECT_TRUE(query(db.workArea(), "select 1 from PERIODO").empty());
    EXPECT_EQ(bookDcbs(kCnpj), std::vector<std::string>{"OLD"});
    EXPECT_TRUE(ui.reports.empty());
}

} // namespace
} // namespace rmnra
