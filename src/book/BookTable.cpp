#include "BookTable.h"

#include "common/Text.h"
#include "data/ColumnLists.h"
#include "data/fb/Statement.h"
#include "data/fb/Transaction.h"

namespace rmnra {
namespace {

std::vector<std::string> splitColumnList(const std::string& list) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= list.size()) {
        size_t comma = list.find(", ", start);
        names.push_back(list.substr(start, comma == std::string::npos ? comma : comma - start));
        if (comma == std::string::npos)
            break;
        start = comma + 2;
    }
    return names;
}

ReportValue toReportValue(const fb::Value& v) {
    if (v.isText())
        return v.text();
    if (v.isInteger())
        return v.integer();
    if (v.isNumeric() || v.isDouble())
        return v.realOr();
    if (v.isDate())
        return v.date();
    if (v.isTimestamp())
        return v.timestamp().date;
    return std::monostate{};
}

fb::Value dateValue(const std::optional<Date>& d) {
    return d ? fb::Value(*d) : fb::Value();
}

} // namespace

std::string bookOrderClause(const std::string& bookOrdering) {
    return upperAscii(bookOrdering) == "DATA" ? " ORDER BY DATA"
                                              : " ORDER BY DCB,DATA,NUMERONOTIFICACAO";
}

std::vector<BookRow> OpenBookTable(fb::Transaction& tx, const std::string& cnpj,
                                   const std::string& bookOrdering) {
    const std::string sql = std::string("SELECT ") + Rmnrb2Columns + " FROM RMNRB2 WHERE CNPJ = ?" +
                            bookOrderClause(bookOrdering);
    std::vector<BookRow> rows;
    for (const fb::Row& r : tx.query(sql, {cnpj})) {
        BookRow b;
        b.DCB = r[0].textOr();
        b.DESCRICAO = r[1].textOr();
        b.MEDICAMENTO = r[2].textOr();
        b.APRESENTACAO = r[3].textOr();
        b.NUMERONOTIFICACAO = r[4].textOr();
        if (r[5].isDate())
            b.DATA = r[5].date();
        b.MEDICO = r[6].textOr();
        b.CRM = r[7].textOr();
        b.QDE_PRESCRICAO = r[8].textOr();
        b.QDE_DISPENSADA = r[9].textOr();
        b.ESTACAO = r[10].textOr();
        b.NPEDIDO = r[11].textOr();
        b.NFORMULA = r[12].textOr();
        b.CNPJ = r[13].textOr();
        rows.push_back(std::move(b));
    }
    return rows;
}

void replaceBookRows(fb::Transaction& tx, const std::string& cnpj,
                     const std::vector<BookRow>& rows) {
    tx.execute("DELETE FROM RMNRB2 WHERE CNPJ = ?", {cnpj});
    fb::Statement insert = tx.prepare(std::string("INSERT INTO RMNRB2 (") + Rmnrb2Columns +
                                      ") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const BookRow& source : rows) {
        const BookRow r = cutToColumns(source);
        insert.execute({r.DCB, r.DESCRICAO, r.MEDICAMENTO, r.APRESENTACAO, r.NUMERONOTIFICACAO,
                        dateValue(r.DATA), r.MEDICO, r.CRM, r.QDE_PRESCRICAO, r.QDE_DISPENSADA,
                        r.ESTACAO, r.NPEDIDO, r.NFORMULA, r.CNPJ});
    }
}

ReportTable bookReportTable(const std::vector<BookRow>& rows) {
    ReportTable t;
    t.columns = splitColumnList(Rmnrb2Columns);
    for (const BookRow& r : rows) {
        std::vector<ReportValue> values = {r.DCB, r.DESCRICAO, r.MEDICAMENTO, r.APRESENTACAO,
                                           r.NUMERONOTIFICACAO};
        values.push_back(std::monostate{});
        if (r.DATA)
            values.back() = *r.DATA;
        for (const std::string* text : {&r.MEDICO, &r.CRM, &r.QDE_PRESCRICAO, &r.QDE_DISPENSADA,
                                        &r.ESTACAO, &r.NPEDIDO, &r.NFORMULA, &r.CNPJ})
            values.push_back(*text);
        t.rows.push_back(std::move(values));
    }
    return t;
}

ReportTable readRegistration(fb::Transaction& tx, const std::string& cnpj) {
    ReportTable t;
    t.columns = splitColumnList(DadosGerColumns);
    const std::string sql =
        std::string("Select ") + DadosGerColumns + " from DADOSGER where CGC = ?";
    for (const fb::Row& r : tx.query(sql, {cnpj})) {
        std::vector<ReportValue> values;
        for (const fb::Value& v : r)
            values.push_back(toReportValue(v));
        t.rows.push_back(std::move(values));
    }
    return t;
}

} // namespace rmnra
