#pragma once

#include "data/fb/Attachment.h"
#include "data/fb/Transaction.h"

#include <string>
#include <vector>

namespace rmnra::test {

// Small helpers that fill the suite's tables for book tests.
class SuiteData {
public:
    explicit SuiteData(fb::Attachment& main) : tx_(main.startTransaction()) {}

    void order(const std::string& estacao, int npedido, Date date, const fb::Value& tipo,
               const fb::Value& medico, const fb::Value& crm) {
        tx_.execute("insert into PEDIDOS (ESTACAO, NPEDIDO, DATAPEDIDO, TIPOPEDIDO, MEDICO, CRM) "
                    "values (?, ?, ?, ?, ?, ?)",
                    {estacao, npedido, date, tipo, medico, crm});
    }
    void formula(const std::string& estacao, int npedido, int nformula, const fb::Value& forma,
                 const fb::Value& capsulas, const fb::Value& prescrita, const fb::Value& notif,
                 const fb::Value& data) {
        tx_.execute("insert into PEDIFORM (ESTACAO, NPEDIDO, NFORMULA, FORMAFARMA, QDECAPSULAS, "
                    "QDE_CAPS_PRESCRITA, NUMERONOTIFICACAO, DATAPRESCRICAO) "
                    "values (?, ?, ?, ?, ?, ?, ?, ?)",
                    {estacao, npedido, nformula, forma, capsulas, prescrita, notif, data});
    }
    void component(const std::string& estacao, int npedido, int nformula, const std::string& name,
                   const fb::Value& code, const fb::Value& qde, const fb::Value& unid) {
        tx_.execute("insert into COMPEDID (ESTACAO, NPEDIDO, NFORMULA, COMPONENTE, CODIGOCOMP, "
                    "QDEDIG, UNIDDIG) values (?, ?, ?, ?, ?, ?, ?)",
                    {estacao, npedido, nformula, name, code, qde, unid});
    }
    void item(const std::string& estacao, int npedido, const std::string& code,
              const fb::Value& name, const fb::Value& unidade, const fb::Value& qde,
              const fb::Value& notif, const fb::Value& data) {
        tx_.execute("insert into ITENS (ESTACAO, NPEDIDO, CODPROD, DESCRICAO, UNIDADE, QDE, "
                    "NUMERONOTIFICACAO, DATAPRESCRICAO) values (?, ?, ?, ?, ?, ?, ?, ?)",
                    {estacao, npedido, code, name, unidade, qde, notif, data});
    }
    void catalogue(const std::string& code, const fb::Value& controlada, const fb::Value& lista,
                   const fb::Value& dcb, const fb::Value& regms = nullptr) {
        tx_.execute("insert into COMPONEN (CODIGO, CONTROLADA, LISTA, DCB, REGMSMEDICAM) "
                    "values (?, ?, ?, ?, ?)",
                    {code, controlada, lista, dcb, regms});
    }
    void dcb(const std::string& code, const fb::Value& descricao) {
        tx_.execute("insert into DCB (DCB, DESCRICAO) values (?, ?)", {code, descricao});
    }
    void registration(const std::string& cgc, const fb::Value& mes, const fb::Value& exercicio) {
        tx_.execute("insert into DADOSGER (CGC, MES, EXERCICIO, FIRMA) values (?, ?, ?, ?)",
                    {cgc, mes, exercicio, "FARMACIA TESTE"});
    }
    void bookRow(const std::string& cnpj, const std::string& dcb) {
        tx_.execute("insert into RMNRB2 (DCB, DESCRICAO, CNPJ) values (?, ?, ?)",
                    {dcb, "old row", cnpj});
    }
    void commit() { tx_.commit(); }

private:
    fb::Transaction tx_;
};

inline std::vector<fb::Row> query(fb::Attachment& db, const std::string& sql,
                                  const std::vector<fb::Value>& params = {}) {
    auto tx = db.startTransaction();
    auto rows = tx.query(sql, params);
    tx.commit();
    return rows;
}

} // namespace rmnra::test

namespace rmnra::test {

inline void execute(fb::Attachment& db, const std::string& sql,
                    const std::vector<fb::Value>& params = {}) {
    auto tx = db.startTransaction();
    tx.execute(sql, params);
    tx.commit();
}

} // namespace rmnra::test
