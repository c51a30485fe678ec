#pragma once

#include "BookRow.h"
#include "MonthData.h"
#include "common/UserInterface.h"

#include <cstdint>
#include <string>
#include <vector>

namespace rmnra {

// How a scan differs between book preparation and the prescribed-capsule correction.
struct ScanOptions {
    bool scanItems = true;     // ready-made items of orders without formulas give rows
    bool processEvents = true; // let the window repaint after each unit of work
};

// A formula whose prescribed capsule quantity was missing or not positive receives its
// capsule count.
struct CapsuleCorrection {
    std::string ESTACAO;
    std::int64_t NPEDIDO = 0;
    std::int64_t NFORMULA = 0;
    std::int64_t QDE_CAPS_PRESCRITA = 0;

    bool operator==(const CapsuleCorrection&) const = default;
};

struct ScanResult {
    std::vector<BookRow> rows; // in the order of the walk
    std::vector<CapsuleCorrection> corrections;
};

// The walk over the month's orders that composes the book rows: every order advances the
// gauge, only orders of type exactly "Pedido" are scanned, an order with formulas gives
// the rows of its list-"A" components, one without formulas those of its items. Nothing
// is written here; the caller stores the result in one transaction.
class BookScan {
public:
    BookScan(Catalogue& catalogue, UserInterface& ui, ScanOptions options, std::string cnpj);

    ScanResult run(const std::vector<OrderRecord>& orders);

private:
    void scanFormulas(const OrderRecord& order, ScanResult& result);
    void scanItems(const OrderRecord& order, ScanResult& result);
    void unitDone();

    Catalogue& catalogue_;
    UserInterface& ui_;
    ScanOptions options_;
    std::string cnpj_;
};

// The label of the progress panel for an order: "Pedido 01.2345".
std::string orderLabel(const std::string& estacao, std::int64_t npedido);

} // namespace rmnra
