#include "BookCommandRun.h"
#include "Commands.h"
#include "tools/FormatDcbDescriptions.h"

namespace rmnra::cli {

// "Formatar Descrição do DCB" without the window.
int runFormatDcb(const std::vector<std::string>& args) {
    return runBookCommand({"rmnra format-dcb --user NOME", false, false}, args,
                          [](Session&, BookContext& ctx, const BookCommandArgs&) {
                              FormatarDescrioDCB1Click(ctx.main, ctx.ui);
                              return true;
                          });
}

} // namespace rmnra::cli
