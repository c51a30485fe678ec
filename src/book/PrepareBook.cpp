#include "PrepareBook.h"

#include "BookRebuild.h"
#include "BookReports.h"
#include "MonthReader.h"
#include "UnhandledError.h"
#include "data/fb/Attachment.h"
#include "data/fb/Transaction.h"

namespace rmnra {

bool Prepara_Rmnra(BookContext& ctx, const Date& firstDay, const Date& lastDay) {
    UserInterface& ui = ctx.ui;
    bool ordersRead = true;
    int written = 0;
    retryOnConcurrentUpdate([&] {
        fb::Transaction tx = ctx.main.startTransaction();
        MonthReader reader(tx, Period{firstDay, lastDay}, OrderSelection::PedidoTypeSorted);
        std::vector<OrderRecord> orders;
        try {
            orders = reader.readOrders();
        } catch (const std::exception& e) {
            ui.showMessage(unhandledErrorMessage("Prepara_Rmnra", e, 2231));
            ordersRead = false;
            return;
        }

        ui.progressSetBounds(275, 54, 205, 180);
        ui.progressSetMaximum(static_cast<int>(orders.size()));
        ui.progressShow();
        ui.progressSetLabel("Verifica\xE7\xE3o Inicial em Pedidos");
        ui.progressRepaint();
        reader.readDetails(orders, true);
        ui.progressSetLabel("Verificando Pedidos");
        ui.progressSetPosition(0);
        ui.processPendingEvents();

        written = scanAndStoreBook(ctx, tx, orders, ScanOptions{true, true});
    });
    if (!ordersRead)
        return false;
    const std::vector<BookRow> book = checkStoredBook(ctx, written, true);

    ui.progressHide();
    showOfficialBookOf(ctx, book);
    return true;
}

void storePeriod(fb::Attachment& workArea, const Date& firstDay, const Date& lastDay) {
    fb::Transaction tx = workArea.startTransaction();
    const unsigned changed =
        tx.execute("UPDATE PERIODO SET DATAINICIAL = ?, DATAFINAL = ? "
                   "WHERE RDB$DB_KEY = (SELECT FIRST 1 RDB$DB_KEY FROM PERIODO)",
                   {firstDay, lastDay});
    if (changed == 0)
        tx.execute("INSERT INTO PERIODO (DATAINICIAL, DATAFINAL) VALUES (?, ?)",
                   {firstDay, lastDay});
    tx.commit();
}

bool actPrepararLivroExecute(BookContext& ctx, fb::Attachment& workArea) {
    Period period;
    try {
        period = registrationPeriod(ctx);
    } catch (const PeriodError& e) {
        ctx.ui.showMessage(e.what());
        return false;
    }
    storePeriod(workArea, period.first, period.last);
    return Prepara_Rmnra(ctx, period.first, period.last);
}

} // namespace rmnra
