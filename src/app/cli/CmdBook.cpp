#include "BookCommandRun.h"
#include "Commands.h"
#include "book/BookReports.h"

namespace rmnra::cli {

// The official book ("RMNRA") or, with --detail, the detailed listing ("Detalhamento"),
// written to --pdf / --html.
int runBook(const std::vector<std::string>& args) {
    return runBookCommand(
        {"rmnra book --user NOME [--detail] [--pdf ARQUIVO] [--html ARQUIVO]", true, true}, args,
        [](Session&, BookContext& ctx, const BookCommandArgs& a) {
            if (a.detail)
                ShowDetailedListing(ctx);
            else
                ShowOfficialBook(ctx);
            return true;
        });
}

} // namespace rmnra::cli
