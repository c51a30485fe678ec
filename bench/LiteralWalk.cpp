#include "LiteralWalk.h"

#include "book/BookRowRules.h"
#include "book/BookTable.h"
#include "common/Text.h"
#include "data/fb/Attachment.h"
#include "data/fb/Transaction.h"

#include <optional>

namespace rmnra::bench {
namespace {

using namespace bookrules;

std::optional<std::int64_t> optionalInteger(const fb::Value& v) {
    return v.isNull() ? std::nullopt : std::optional<std::int64_t>(v.integerOr());
}

std::optional<double> optionalReal(const fb::Value& v) {
    return v.isNull() ? std::nullopt : std::optional<double>(v.realOr());
}

std::optional<Date> optionalDate(const fb::Value& v) {
    return v.isDate() ? std::optional<Date>(v.date()) : std::nullopt;
}

class Walk {
public:
    Walk(fb::Attachment& main, std::string cnpj) : main_(main), cnpj_(std::move(cnpj)) {
        tx_.emplace(main_.startTransaction());
    }

    int run(const Date& firstDay, const Date& lastDay) {
        tx_->execute("DELETE FROM RMNRB2 WHERE CNPJ = ?", {cnpj_});
        commit();
        auto orders = tx_->query("Select ESTACAO, NPEDIDO, TIPOPEDIDO, MEDICO, CRM from PEDIDOS "
                                 "where DATAPEDIDO between ? and ? and Upper(TIPOPEDIDO) = ? "
                                 "order by ESTACAO, NPEDIDO",
                                 {firstDay, lastDay, "PEDIDO"});
        for (const fb::Row& r : orders) {
            OrderRecord o{r[0].textOr(),
                          r[1].integerOr(),
                          r[2].textOr(),
                          r[3].textOr(),
                          r[4].textOr(),
                          {},
                          {}};
            if (o.TIPOPEDIDO == "Pedido")
                walkOrder(o);
        }
        commit();
        return written_;
    }

private:
    void walkOrder(const OrderRecord& o) {
        auto formulas = tx_->query(
            "Select NFORMULA, FORMAFARMA, QDECAPSULAS, NUMERONOTIFICACAO, DATAPRESCRICAO, "
            "QDE_CAPS_PRESCRITA from PEDIFORM where ESTACAO = ? and NPEDIDO = ?",
            {o.ESTACAO, o.NPEDIDO});
        for (const fb::Row& r : formulas) {
            FormulaRecord f;
            f.NFORMULA = r[0].integerOr();
            f.FORMAFARMA = r[1].textOr();
            f.QDECAPSULAS = optionalInteger(r[2]);
            f.NUMERONOTIFICACAO = r[3].textOr();
            f.DATAPRESCRICAO = optionalDate(r[4]);
            f.QDE_CAPS_PRESCRITA = optionalInteger(r[5]);
            walkFormula(o, f);
        }
        if (!formulas.empty())
            return;
        auto items = tx_->query("Select CODPROD, DESCRICAO, UNIDADE, QDE, NUMERONOTIFICACAO, "
                                "DATAPRESCRICAO from ITENS where ESTACAO = ? and NPEDIDO = ?",
                                {o.ESTACAO, o.NPEDIDO});
        for (const fb::Row& r : items) {
            ItemRecord item{r[0].textOr(),      r[1].textOr(), r[2].textOr(),
                            optionalReal(r[3]), r[4].textOr(), optionalDate(r[5])};
            const std::string name = cutTo(item.DESCRICAO, kNameWidth);
            const std::string code = cutTo(item.CODPROD, kCodeWidth);
            if (name.empty())
                continue;
            auto entry = component(code);
            if (!qualifies(code, entry))
                continue;
            const std::string text =
                description(entry->REGMSMEDICAM, dcb(entry->REGMSMEDICAM), name);
            store(itemRow(o, item, name, *entry, text, cnpj_));
        }
    }

    void walkFormula(const OrderRecord& o, const FormulaRecord& f) {
        const std::int64_t capsules = capsuleCount(f);
        std::optional<std::int64_t> prescribed = f.QDE_CAPS_PRESCRITA;
        auto components = tx_->query("Select COMPONENTE, CODIGOCOMP, QDEDIG, UNIDDIG from "
                                     "COMPEDID where ESTACAO = ? and NPEDIDO = ? and NFORMULA = ?",
                                     {o.ESTACAO, o.NPEDIDO, f.NFORMULA});
        for (const fb::Row& r : components) {
            ComponentRecord c{r[0].textOr(), r[1].textOr(), optionalReal(r[2]), r[3].textOr()};
            const std::string name = cutTo(c.COMPONENTE, kNameWidth);
            const std::string code = cutTo(c.CODIGOCOMP, kCodeWidth);
            if (name.empty())
                continue;
            auto entry = component(code);
            if (!qualifies(code, entry))
                continue;
            if (!prescribed || *prescribed <= 0) {
                prescribed = capsules;
                tx_->execute("UPDATE PEDIFORM SET QDE_CAPS_PRESCRITA = ? WHERE ESTACAO = ? AND "
                             "NPEDIDO = ? AND NFORMULA = ?",
                             {capsules, o.ESTACAO, o.NPEDIDO, f.NFORMULA});
            }
            const std::string text = description(entry->DCB, dcb(entry->DCB), name);
            store(formulaRow(o, f, c, *entry, text, capsules, *prescribed, cnpj_));
        }
    }

    std::optional<CatalogueEntry> component(const std::string& code) {
        auto rows = tx_->query("Select CODIGO, CONTROLADA, LISTA, DCB, REGMSMEDICAM from "
                               "COMPONEN where CODIGO = ?",
                               {code});
        if (rows.empty())
            return std::nullopt;
        const fb::Row& r = rows.front();
        return CatalogueEntry{r[0].textOr(), r[1].textOr(), r[2].textOr(), r[3].textOr(),
                              r[4].textOr()};
    }

    std::optional<DcbEntry> dcb(const std::string& code) {
        if (code.size() > 10)
            return std::nullopt;
        auto rows = tx_->query("Select DCB, DESCRICAO from DCB where DCB = ?", {code});
        if (rows.empty())
            return std::nullopt;
        return DcbEntry{rows.front()[0].textOr(), rows.front()[1].textOr()};
    }

    // As a cached dataset posts a row: insert, commit, read the whole book back.
    void store(const BookRow& row) {
        insertRow(row);
        commit();
        OpenBookTable(*tx_, cnpj_, "");
        ++written_;
    }

    void insertRow(const BookRow& source) {
        const BookRow r = cutToColumns(source);
        tx_->execute("INSERT INTO RMNRB2 (DCB, DESCRICAO, MEDICAMENTO, APRESENTACAO, "
                     "NUMERONOTIFICACAO, DATA, MEDICO, CRM, QDE_PRESCRICAO, QDE_DISPENSADA, "
                     "ESTACAO, NPEDIDO, NFORMULA, CNPJ) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                     "?, ?, ?)",
                     {r.DCB, r.DESCRICAO, r.MEDICAMENTO, r.APRESENTACAO, r.NUMERONOTIFICACAO,
                      r.DATA ? fb::Value(*r.DATA) : fb::Value(), r.MEDICO, r.CRM, r.QDE_PRESCRICAO,
                      r.QDE_DISPENSADA, r.ESTACAO, r.NPEDIDO, r.NFORMULA, r.CNPJ});
    }

    void commit() {
        tx_->commit();
        tx_.reset();
        tx_.emplace(main_.startTransaction());
    }

    fb::Attachment& main_;
    std::string cnpj_;
    std::optional<fb::Transaction> tx_;
    int written_ = 0;
};

} // namespace

int prepareBookLiterally(fb::Attachment& main, const std::string& cnpj, const Date& firstDay,
                         const Date& lastDay) {
    return Walk(main, cnpj).run(firstDay, lastDay);
}

} // namespace rmnra::bench
