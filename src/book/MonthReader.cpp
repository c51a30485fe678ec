#include "MonthReader.h"

#include "data/fb/Statement.h"
#include "data/fb/Transaction.h"

#include <map>
#include <tuple>
#include <utility>

namespace rmnra {
namespace {

// The condition on the orders whose details are walked: their month and the type the
// walk accepts. The server's comparison ignores trailing spaces, so this is a superset of
// the walk's exact test, which is applied again while walking.
const char* kDetailOrders = " where p.DATAPEDIDO between ? and ? and p.TIPOPEDIDO = ?";

// The joins compare expressions of the order's key (ESTACAO || '', NPEDIDO + 0), which keeps
// the server from looking each detail row's order up by its key: it reads the orders once
// and each order's details through the detail table's key instead. Otherwise it reads the
// whole detail table, every month the suite has kept, and looks up an order per row.

std::optional<std::int64_t> optionalInteger(const fb::Value& v) {
    return v.isNull() ? std::nullopt : std::optional<std::int64_t>(v.integerOr());
}

std::optional<double> optionalReal(const fb::Value& v) {
    return v.isNull() ? std::nullopt : std::optional<double>(v.realOr());
}

std::optional<Date> optionalDate(const fb::Value& v) {
    if (v.isDate())
        return v.date();
    if (v.isTimestamp())
        return v.timestamp().date;
    return std::nullopt;
}

using OrderKey = std::pair<std::string, std::int64_t>;

// Rows are handed over one at a time as they are fetched: a large month's components, all
// held as rows at once, would take several times the memory of the records made from them.
template <typename Fn>
void forEachRow(fb::Transaction& tx, const std::string& sql, const std::vector<fb::Value>& params,
                Fn&& fn) {
    fb::Statement statement = tx.prepare(sql);
    fb::ResultSet rows = statement.open(params);
    while (rows.next())
        fn(rows.row());
    rows.close();
}

} // namespace

MonthReader::MonthReader(fb::Transaction& transaction, Period period, OrderSelection selection)
    : tx_(transaction), period_(period), selection_(selection) {}

std::vector<OrderRecord> MonthReader::readOrders() {
    std::string sql = "Select ESTACAO, NPEDIDO, TIPOPEDIDO, MEDICO, CRM from PEDIDOS "
                      "where DATAPEDIDO between ? and ?";
    std::vector<fb::Value> params = {period_.first, period_.last};
    if (selection_ == OrderSelection::PedidoTypeSorted) {
        sql += " and Upper(TIPOPEDIDO) = ? order by ESTACAO, NPEDIDO";
        params.emplace_back("PEDIDO");
    }
    std::vector<OrderRecord> orders;
    forEachRow(tx_, sql, params, [&](const fb::Row& r) {
        OrderRecord o;
        o.ESTACAO = r[0].textOr();
        o.NPEDIDO = r[1].integerOr();
        o.TIPOPEDIDO = r[2].textOr();
        o.MEDICO = r[3].textOr();
        o.CRM = r[4].textOr();
        orders.push_back(std::move(o));
    });
    return orders;
}

void MonthReader::readDetails(std::vector<OrderRecord>& orders, bool readItems) {
    const std::vector<fb::Value> params = {period_.first, period_.last, "Pedido"};
    std::map<OrderKey, OrderRecord*> byOrder;
    for (auto& o : orders)
        if (o.TIPOPEDIDO == "Pedido")
            byOrder.emplace(OrderKey{o.ESTACAO, o.NPEDIDO}, &o);

    const std::string formulaSql =
        std::string("Select p.ESTACAO, p.NPEDIDO, f.NFORMULA, f.FORMAFARMA, f.QDECAPSULAS, "
                    "f.NUMERONOTIFICACAO, f.DATAPRESCRICAO, f.QDE_CAPS_PRESCRITA "
                    "from PEDIDOS p join PEDIFORM f on f.ESTACAO = p.ESTACAO || '' and "
                    "f.NPEDIDO = p.NPEDIDO + 0") +
        kDetailOrders;
    std::map<std::tuple<std::string, std::int64_t, std::int64_t>, FormulaRecord*> byFormula;
    forEachRow(tx_, formulaSql, params, [&](const fb::Row& r) {
        auto it = byOrder.find({r[0].textOr(), r[1].integerOr()});
        if (it == byOrder.end())
            return;
        FormulaRecord f;
        f.NFORMULA = r[2].integerOr();
        f.FORMAFARMA = r[3].textOr();
        f.QDECAPSULAS = optionalInteger(r[4]);
        f.NUMERONOTIFICACAO = r[5].textOr();
        f.DATAPRESCRICAO = optionalDate(r[6]);
        f.QDE_CAPS_PRESCRITA = optionalInteger(r[7]);
        it->second->formulas.push_back(std::move(f));
    });
    // Pointers are taken once every formula is in place.
    for (auto& [key, order] : byOrder)
        for (auto& f : order->formulas)
            byFormula.emplace(std::tuple{key.first, key.second, f.NFORMULA}, &f);

    const std::string componentSql =
        std::string("Select p.ESTACAO, p.NPEDIDO, c.NFORMULA, c.COMPONENTE, c.CODIGOCOMP, "
                    "c.QDEDIG, c.UNIDDIG from PEDIDOS p join COMPEDID c on "
                    "c.ESTACAO = p.ESTACAO || '' and c.NPEDIDO = p.NPEDIDO + 0") +
        kDetailOrders;
    forEachRow(tx_, componentSql, params, [&](const fb::Row& r) {
        auto it = byFormula.find({r[0].textOr(), r[1].integerOr(), r[2].integerOr()});
        if (it == byFormula.end())
            return;
        it->second->components.push_back(
            {r[3].textOr(), r[4].textOr(), optionalReal(r[5]), r[6].textOr()});
    });

    if (!readItems)
        return;
    const std::string itemSql =
        std::string("Select p.ESTACAO, p.NPEDIDO, i.CODPROD, i.DESCRICAO, i.UNIDADE, i.QDE, "
                    "i.NUMERONOTIFICACAO, i.DATAPRESCRICAO from PEDIDOS p join ITENS i on "
                    "i.ESTACAO = p.ESTACAO || '' and i.NPEDIDO = p.NPEDIDO + 0") +
        kDetailOrders +
        " and not exists (select 1 from PEDIFORM f where f.ESTACAO = p.ESTACAO and "
        "f.NPEDIDO = p.NPEDIDO)";
    forEachRow(tx_, itemSql, params, [&](const fb::Row& r) {
        auto it = byOrder.find({r[0].textOr(), r[1].integerOr()});
        if (it == byOrder.end() || !it->second->formulas.empty())
            return;
        it->second->items.push_back({r[2].textOr(), r[3].textOr(), r[4].textOr(),
                                     optionalReal(r[5]), r[6].textOr(), optionalDate(r[7])});
    });
}

} // namespace rmnra
