#pragma once

#include "MonthData.h"
#include "MonthTable.h"

#include <vector>

namespace rmnra {

namespace fb {
class Transaction;
}

// Which orders of the month a walk selects.
enum class OrderSelection {
    // Book preparation: Upper(TIPOPEDIDO) = 'PEDIDO', sorted by ESTACAO, NPEDIDO.
    PedidoTypeSorted,
    // Prescribed-capsule correction: every type, in the server's order.
    AllTypesUnsorted,
};

// Reads the month set-based instead of order by order: one query for the orders, one for
// all their formulas, one for all those formulas' components and one for the items of
// the orders without formulas. Formulas, components and items are read without a sort and
// grouped under their order (and formula) keeping the order the server returns them in,
// which is the order the per-order queries return: both read a table's rows in storage
// order. Only orders of type exactly "Pedido" are walked, so only theirs are read.
class MonthReader {
public:
    MonthReader(fb::Transaction& transaction, Period period, OrderSelection selection);

    // The month's orders, without formulas or items. Throws fb::Error.
    std::vector<OrderRecord> readOrders();
    // Fills in the formulas with their components, and, when readItems, the items of the
    // orders without formulas.
    void readDetails(std::vector<OrderRecord>& orders, bool readItems);

private:
    fb::Transaction& tx_;
    Period period_;
    OrderSelection selection_;
};

} // namespace rmnra
