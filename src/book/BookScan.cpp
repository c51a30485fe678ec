#include "BookScan.h"

#include "BookRowRules.h"
#include "common/Text.h"

namespace rmnra {

using namespace bookrules;

BookScan::BookScan(Catalogue& catalogue, UserInterface& ui, ScanOptions options, std::string cnpj)
    : catalogue_(catalogue), ui_(ui), options_(options), cnpj_(std::move(cnpj)) {}

std::string orderLabel(const std::string& estacao, std::int64_t npedido) {
    return "Pedido " + estacao + "." + std::to_string(npedido);
}

void BookScan::unitDone() {
    if (options_.processEvents)
        ui_.processPendingEvents();
}

ScanResult BookScan::run(const std::vector<OrderRecord>& orders) {
    ScanResult result;
    int visited = 0;
    for (const OrderRecord& order : orders) {
        ui_.progressSetPosition(++visited);
        ui_.progressRepaint();
        // Only the exact type is scanned; "PEDIDO" or "pedido" only advance the gauge.
        if (order.TIPOPEDIDO == "Pedido") {
            ui_.progressSetLabel(orderLabel(cutTo(order.ESTACAO, 2), order.NPEDIDO));
            ui_.progressRepaint();
            if (!order.formulas.empty())
                scanFormulas(order, result);
            else if (options_.scanItems)
                scanItems(order, result);
        }
        unitDone();
    }
    return result;
}

void BookScan::scanFormulas(const OrderRecord& order, ScanResult& result) {
    for (const FormulaRecord& formula : order.formulas) {
        const std::int64_t capsules = capsuleCount(formula);
        std::optional<std::int64_t> prescribed = formula.QDE_CAPS_PRESCRITA;
        for (const ComponentRecord& component : formula.components) {
            const std::string name = cutTo(component.COMPONENTE, kNameWidth);
            const std::string code = cutTo(component.CODIGOCOMP, kCodeWidth);
            if (!name.empty()) {
                auto entry = catalogue_.component(code);
                if (qualifies(code, entry)) {
                    // The formula is corrected once, with its first qualifying component;
                    // its later components then find the corrected value.
                    if (!prescribed || *prescribed <= 0) {
                        prescribed = capsules;
                        result.corrections.push_back(
                            {cutTo(order.ESTACAO, 2), order.NPEDIDO, formula.NFORMULA, capsules});
                    }
                    const std::string text =
                        description(entry->DCB, catalogue_.dcb(entry->DCB), name);
                    result.rows.push_back(formulaRow(order, formula, component, *entry, text,
                                                     capsules, *prescribed, cnpj_));
                }
            }
            unitDone();
        }
        unitDone();
    }
}

void BookScan::scanItems(const OrderRecord& order, ScanResult& result) {
    for (const ItemRecord& item : order.items) {
        const std::string name = cutTo(item.DESCRICAO, kNameWidth);
        const std::string code = cutTo(item.CODPROD, kCodeWidth);
        if (!name.empty()) {
            auto entry = catalogue_.component(code);
            if (qualifies(code, entry)) {
                const std::string text =
                    description(entry->REGMSMEDICAM, catalogue_.dcb(entry->REGMSMEDICAM), name);
                result.rows.push_back(itemRow(order, item, name, *entry, text, cnpj_));
            }
        }
        unitDone();
    }
}

} // namespace rmnra
