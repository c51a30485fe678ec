#include "CorrectPrescribedCapsules.h"

#include "book/BookRebuild.h"
#include "book/MonthReader.h"
#include "data/fb/Attachment.h"
#include "data/fb/Transaction.h"

namespace rmnra {

bool CorrectPrescribedCapsules(BookContext& ctx) {
    UserInterface& ui = ctx.ui;
    Period period;
    try {
        period = registrationPeriod(ctx);
    } catch (const PeriodError& e) {
        ui.showMessage(e.what());
        return false;
    }

    int written = 0;
    retryOnConcurrentUpdate([&] {
        fb::Transaction tx = ctx.main.startTransaction();
        MonthReader reader(tx, period, OrderSelection::AllTypesUnsorted);
        std::vector<OrderRecord> orders = reader.readOrders();

        ui.progressMove(215, 120);
        ui.progressSetMaximum(static_cast<int>(orders.size()));
        ui.progressShow();
        ui.progressSetLabel("Verifica\xE7\xE3o Inicial em \"Pedidos\"");
        ui.progressRepaint();
        int pedidos = 0;
        for (const OrderRecord& o : orders)
            if (o.TIPOPEDIDO == "Pedido")
                ui.progressSetPosition(++pedidos);
        ui.progressSetMaximum(pedidos);
        ui.progressRepaint();
        ui.progressSetLabel("Verificando Pedidos");
        ui.progressRepaint();
        ui.progressSetPosition(0);

        reader.readDetails(orders, false);
        written = scanAndStoreBook(ctx, tx, orders, ScanOptions{false, false});
    });
    checkStoredBook(ctx, written, false);
    ui.progressHide();
    return true;
}

} // namespace rmnra
