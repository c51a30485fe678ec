#include "data/fb/Error.h"
#include "data/fb/Statement.h"
#include "data/fb/Transaction.h"
#include "support/FirebirdFixture.h"

#include <cstdlib>

namespace rmnra {
namespace {

using fb::Numeric;
using fb::Value;
using test::FirebirdTest;

std::vector<fb::Row> queryMain(test::FirebirdDatabases& db, const std::string& sql,
                               const std::vector<Value>& params = {}) {
    auto tr = db.main().startTransaction();
    auto rows = tr.query(sql, params);
    tr.commit();
    return rows;
}

TEST_F(FirebirdTest, EveryColumnTypeOfTheSchemaRoundTrips) {
    const std::string accented = "Jos\xE9 Concei\xE7\xE3o \x80 \xC1GUA"; // é ç ã € Á
    const Date date{2026, 10, 31};
    const Time time{23, 59, 58, 1234};
    const Timestamp stamp{{1999, 2, 28}, {7, 5, 3, 0}};
    {
        auto tr = db.main().startTransaction();
        tr.execute("insert into COMPONEN (CODIGO, COMPONENTE, QDEESTOQUE, CUSTOUNITUS, VALIDADE, "
                   "TEMPOMANIP, GRUPOF) values (?, ?, ?, ?, ?, ?, ?)",
                   {"X1", accented, 0.1, Numeric{-123456789, -8}, stamp, 42, ""});
        tr.execute("insert into PEDIDOS (ESTACAO, NPEDIDO, DATAPEDIDO, HORAPEDIDO, PRECOFINAL, "
                   "MEDICO) values (?, ?, ?, ?, ?, ?)",
                   {"01", int64_t{2147483647}, date, time, Numeric{1999, -2}, nullptr});
        tr.execute("insert into PEDIFORM (ESTACAO, NPEDIDO, NFORMULA, PRONTO, ROTULO) "
                   "values ('01', 1, 1, ?, 'blob bytes')",
                   {"S"});
        tr.commit();
    }
    auto c = queryMain(db, "select CODIGO, COMPONENTE, QDEESTOQUE, CUSTOUNITUS, VALIDADE, "
                           "TEMPOMANIP, GRUPOF, FAMILIA from COMPONEN");
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(c[0][1].text(), accented);
    EXPECT_EQ(c[0][2].real(), 0.1);
    EXPECT_EQ(c[0][3].numeric().units, -123456789);
    EXPECT_EQ(c[0][3].numeric().scale, -8);
    EXPECT_EQ(c[0][4].timestamp(), stamp);
    EXPECT_EQ(c[0][5].integer(), 42);
    EXPECT_TRUE(c[0][6].isText()); // empty text is not NULL
    EXPECT_EQ(c[0][6].text(), "");
    EXPECT_TRUE(c[0][7].isNull());

    auto p = queryMain(db, "select NPEDIDO, DATAPEDIDO, HORAPEDIDO, PRECOFINAL, MEDICO "
                           "from PEDIDOS");
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0][0].integer(), 2147483647);
    EXPECT_EQ(p[0][1].date(), date);
    EXPECT_EQ(p[0][2].time(), time);
    EXPECT_EQ(p[0][3], Value(Numeric{1999, -2}));
    EXPECT_DOUBLE_EQ(p[0][3].realOr(), 19.99);
    EXPECT_TRUE(p[0][4].isNull());

    auto f = queryMain(db, "select PRONTO, ROTULO from PEDIFORM");
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0][0].text(), "S");
    EXPECT_TRUE(f[0][1].isBlob());
}

TEST_F(FirebirdTest, ColumnsDescribeTypesAndScales) {
    auto tr = db.main().startTransaction();
    auto st = tr.prepare("select CODIGO, CUSTOUNITUS, QDEESTOQUE, VALIDADE, TEMPOMANIP, "
                         "FICHATECNICA from COMPONEN");
    const auto& cols = st.columns();
    ASSERT_EQ(cols.size(), 6u);
    EXPECT_EQ(cols[0].name, "CODIGO");
    EXPECT_EQ(cols[0].type, fb::ColumnType::Text);
    EXPECT_EQ(cols[0].length, 20u);
    EXPECT_FALSE(cols[0].nullable);
    EXPECT_EQ(cols[1].type, fb::ColumnType::Numeric);
    EXPECT_EQ(cols[1].scale, -8);
    EXPECT_EQ(cols[2].type, fb::ColumnType::Double);
    EXPECT_EQ(cols[3].type, fb::ColumnType::Timestamp);
    EXPECT_EQ(cols[4].type, fb::ColumnType::Integer);
    EXPECT_EQ(cols[5].type, fb::ColumnType::Blob);
}

TEST_F(FirebirdTest, QuotesInValuesAreStoredAndMatchedLiterally) {
    const std::string name = "O'Brien'; delete from DCB; --";
    auto tr = db.main().startTransaction();
    tr.execute("insert into DCB (DCB, DESCRICAO) values (?, ?)", {"01'", name});
    tr.execute("insert into DCB (DCB, DESCRICAO) values (?, ?)", {"02", "outro"});
    auto rows = tr.query("select DCB from DCB where DESCRICAO = ?", {name});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].text(), "01'");
    EXPECT_EQ(tr.query("select count(*) from DCB")[0][0].integer(), 2);
}

TEST_F(FirebirdTest, TextParameterMatchesAnIntegerColumn) {
    // The suite compares integer columns with text values; the server converts them.
    auto tr = db.main().startTransaction();
    tr.execute("insert into PEDIDOS (ESTACAO, NPEDIDO) values (?, ?)", {"01", 7});
    EXPECT_EQ(tr.query("select count(*) from PEDIDOS where NPEDIDO = ?", {"7"})[0][0].integer(), 1);
    EXPECT_EQ(tr.execute("update PEDIDOS set NOME = ? where NPEDIDO = ?", {"Ana", 7}), 1u);
}

TEST_F(FirebirdTest, ErrorsCarryCodeSqlStateAndMessage) {
    auto tr = db.main().startTransaction();
    tr.execute("insert into DCB (DCB, DESCRICAO) values (?, ?)", {"1", "a"});
    try {
        tr.execute("insert into DCB (DCB, DESCRICAO) values (?, ?)", {"1", "b"});
        FAIL() << "duplicate key accepted";
    } catch (const fb::Error& e) {
        EXPECT_EQ(e.iscCode(), 335544665L); // unique key violation
        EXPECT_EQ(e.sqlState(), "23000");
        EXPECT_NE(std::string(e.what()).find("DCB"), std::string::npos) << e.what();
    }
    try {
        tr.query("select NO_SUCH_COLUMN from DCB");
        FAIL() << "unknown column accepted";
    } catch (const fb::Error& e) {
        EXPECT_EQ(e.sqlState(), "42S22");
        EXPECT_NE(std::string(e.what()).find("NO_SUCH_COLUMN"), std::string::npos) << e.what();
    }
    EXPECT_THROW(tr.execute("delete from DCB where DCB = ?", {}), fb::Error);
    // The transaction is still usable after refused statements.
    EXPECT_EQ(tr.query("select count(*) from DCB")[0][0].integer(), 1);
}

TEST_F(FirebirdTest, TransactionNeitherCommittedNorRolledBackLeavesNoTrace) {
    {
        auto tr = db.main().startTransaction();
        tr.execute("insert into DCB (DCB, DESCRICAO) values (?, ?)", {"1", "a"});
    }
    EXPECT_EQ(queryMain(db, "select count(*) from DCB")[0][0].integer(), 0);
    {
        auto tr = db.main().startTransaction();
        tr.execute("insert into DCB (DCB, DESCRICAO) values (?, ?)", {"1", "a"});
        tr.commit();
        EXPECT_FALSE(tr.isActive());
        EXPECT_THROW(tr.commit(), fb::Error);
    }
    EXPECT_EQ(queryMain(db, "select count(*) from DCB")[0][0].integer(), 1);
}

TEST_F(FirebirdTest, PreparedStatementRunsManyTimesWithChangingShapes) {
    auto tr = db.main().startTransaction();
    auto ins = tr.prepare("insert into COMPEDID (ESTACAO, NPEDIDO, NFORMULA, COMPONENTE, QDEDIG) "
                          "values (?, ?, ?, ?, ?)");
    EXPECT_EQ(ins.parameterCount(), 5u);
    ins.execute({"01", 1, 1, "A", 1.5});
    ins.execute({"01", 1, 1, std::string(40, 'B'), nullptr});
    ins.execute({"01", 1, 1, "C", 2}); // an integer into a double column
    auto rows = tr.query("select COMPONENTE, QDEDIG from COMPEDID order by COMPONENTE");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][1].real(), 1.5);
    EXPECT_TRUE(rows[1][1].isNull());
    EXPECT_EQ(rows[2][1].real(), 2.0);
}

TEST_F(FirebirdTest, WorkAreaConnectionCarriesWindows1252Text) {
    auto tr = db.workArea().startTransaction();
    tr.execute("insert into PERIODO (DATAINICIAL, DATAFINAL, CHAVE, VALORTOTAL) "
               "values (?, ?, ?, ?)",
               {Date{2026, 10, 1}, Date{2026, 10, 31}, "\xC7", Numeric{5, 0}});
    auto rows = tr.query("select DATAINICIAL, DATAFINAL, CHAVE, VALORTOTAL from PERIODO");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][1].date(), (Date{2026, 10, 31}));
    EXPECT_EQ(rows[0][2].text(), "\xC7");
    EXPECT_EQ(rows[0][3], Value(Numeric{500000000, -8}));
}

TEST(FirebirdClient, LibraryPathComesFromCaminhoGds) {
    test::TempDir dir;
    EXPECT_EQ(fb::clientLibraryPath(dir.folder()), "libfbclient.so.2"); // no file
    dir.write("CaminhoGDS.txt", "");
    EXPECT_EQ(fb::clientLibraryPath(dir.folder()), "libfbclient.so.2"); // empty first line
    dir.write("CaminhoGDS.txt", "\r\n/opt/fb/lib\r\n");
    EXPECT_EQ(fb::clientLibraryPath(dir.folder()), "libfbclient.so.2"); // empty first line
    dir.write("CaminhoGDS.txt", "/opt/fb/lib\r\nignored");
    EXPECT_EQ(fb::clientLibraryPath(dir.folder()), "/opt/fb/lib/libfbclient.so.2");
    dir.write("CaminhoGDS.txt", "/opt/fb/lib/\n");
    EXPECT_EQ(fb::clientLibraryPath(dir.folder()), "/opt/fb/lib/libfbclient.so.2");
    dir.write("CaminhoGDS.txt", std::string(120, 'x'));
    EXPECT_EQ(fb::clientLibraryPath(dir.folder()), std::string(100, 'x') + "/libfbclient.so.2");
}

TEST(FirebirdClient, LoadsTheLibraryNamedThroughCaminhoGdsAndRefusesAMissingOne) {
    test::TempDir dir;
    dir.write("CaminhoGDS.txt", "/usr/lib/x86_64-linux-gnu");
    auto& client = fb::Client::load(fb::clientLibraryPath(dir.folder()));
    EXPECT_NE(client.master(), nullptr);
    EXPECT_THROW(fb::Client::load(dir.folder() + "no-such/libfbclient.so.2"), fb::Error);
}

TEST(FirebirdClient, CredentialsComeFromTheEnvironmentWhenSet) {
    unsetenv("ISC_USER");
    unsetenv("ISC_PASSWORD");
    auto p = fb::ConnectionParams::forDatabase("x.bd", "WIN1252");
    EXPECT_EQ(p.user, "sysdba");
    EXPECT_EQ(p.password, "quillpost");
    EXPECT_EQ(p.role, "RoleName");
    EXPECT_EQ(p.charset, "WIN1252");
    EXPECT_EQ(p.dialect, 3);
    setenv("ISC_USER", "ana", 1);
    setenv("ISC_PASSWORD", "segredo", 1);
    p = fb::ConnectionParams::forDatabase("x.bd", "NONE");
    EXPECT_EQ(p.user, "ana");
    EXPECT_EQ(p.password, "segredo");
    unsetenv("ISC_USER");
    unsetenv("ISC_PASSWORD");
}

} // namespace
} // namespace rmnra

namespace rmnra {
namespace {

TEST(FirebirdValue, NumericsCompareAcrossScalesAndConvert) {
    using fb::Numeric;
    using fb::Value;
    EXPECT_EQ(Value(Numeric{5, 0}), Value(Numeric{500000000, -8}));
    EXPECT_NE(Value(Numeric{5, 0}), Value(Numeric{500000001, -8}));
    const struct {
        Numeric from;
        int scale;
        int64_t units;
    } rescales[] = {{{125, -2}, -1, 13},
                    {{-125, -2}, -1, -13},
                    {{124, -2}, -1, 12},
                    {{7, 0}, -3, 7000},
                    {{199999999, -8}, -2, 200}};
    for (const auto& r : rescales)
        EXPECT_EQ(r.from.rescaled(r.scale).units, r.units) << r.from.units << "e" << r.from.scale;
    EXPECT_EQ(Value(Numeric{-1999, -2}).integerOr(), -19); // truncated towards zero
    EXPECT_EQ(Value(2.9).integerOr(), 2);
    EXPECT_EQ(Value().integerOr(-1), -1);
    EXPECT_EQ(Value("7").integerOr(-1), -1); // text is not a number
    EXPECT_DOUBLE_EQ(Value(Numeric{1999, -2}).realOr(), 19.99);
    EXPECT_EQ(Value().textOr("x"), "x");
    EXPECT_NE(Value(""), Value()); // empty text is not NULL
}

} // namespace
} // namespace rmnra
