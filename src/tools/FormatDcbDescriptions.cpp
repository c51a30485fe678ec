#include "FormatDcbDescriptions.h"

#include "DcbDescription.h"
#include "book/UnhandledError.h"
#include "data/fb/Attachment.h"
#include "data/fb/Error.h"
#include "data/fb/Statement.h"
#include "data/fb/Transaction.h"

namespace rmnra {

void FormatarDescrioDCB1Click(fb::Attachment& main, UserInterface& ui) {
    ui.progressSetLabel("Formatando Descri\xE7\xF5"
                        "es");
    ui.progressSetBounds(275, 54, 205, 180);
    ui.progressShow();

    fb::Transaction tx = main.startTransaction();
    const std::vector<fb::Row> rows = tx.query("select DCB, DESCRICAO from DCB");
    ui.progressSetMaximum(static_cast<int>(rows.size()));
    ui.progressSetPosition(0);

    fb::Statement update = tx.prepare("update DCB set DESCRICAO = ? where DCB = ?");
    int position = 0;
    for (const fb::Row& row : rows) {
        // A missing description stays missing; only changed rows are written.
        if (row[1].isText()) {
            const std::string formatted = Converte_Codigo(row[1].text());
            if (formatted != row[1].text()) {
                try {
                    update.execute({formatted, row[0].textOr()});
                } catch (const fb::Error& e) {
                    // A lost connection is no refused row: every row left would fail alike,
                    // one message box each. It ends the run, with nothing written.
                    if (!main.ping())
                        throw;
                    ui.showMessage(unhandledErrorMessage("Formata_Descricao", e, 2756));
                }
            }
        }
        ui.progressSetPosition(++position);
        ui.processPendingEvents();
    }
    tx.commit();

    ui.progressHide();
    ui.showMessage("Procedimento conclu\xED"
                   "do com sucesso!!!");
}

} // namespace rmnra
