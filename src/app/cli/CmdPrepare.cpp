#include "BookCommandRun.h"
#include "Commands.h"
#include "book/PrepareBook.h"
#include "data/Session.h"

namespace rmnra::cli {

// "Preparar Livro" without the window: the book of the registration month, its
// consistency report on stdout and the official book written to --pdf / --html.
int runPrepare(const std::vector<std::string>& args) {
    return runBookCommand(
        {"rmnra prepare --user NOME [--pdf ARQUIVO] [--html ARQUIVO]", true, false}, args,
        [](Session& session, BookContext& ctx, const BookCommandArgs&) {
            return actPrepararLivroExecute(ctx, session.dm2.attachment());
        });
}

} // namespace rmnra::cli
