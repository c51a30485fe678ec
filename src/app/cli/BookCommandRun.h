#pragma once

#include "book/BookContext.h"

#include <functional>
#include <string>
#include <vector>

namespace rmnra {
class Session;
}

namespace rmnra::cli {

// What a book subcommand accepts besides "--user NAME".
struct BookCommandSpec {
    const char* usage;
    bool acceptsFiles = false;  // --pdf FILE, --html FILE
    bool acceptsDetail = false; // --detail
};

struct BookCommandArgs {
    std::string pdf;
    std::string html;
    bool detail = false;
};

// What a book subcommand does once logged in; false when it refused (its message shown).
using BookCommandWork = std::function<bool(Session&, BookContext&, const BookCommandArgs&)>;

// The frame the book subcommands share: ORVANTIS.INI, the arguments, the login as the
// window does it, the terminal user interface, and reports written to the files named by
// --pdf and --html. Exit status 0 when the work was done, 1 when it was refused or failed
// (the message on stderr), 2 for wrong arguments or a missing settings file.
int runBookCommand(const BookCommandSpec& spec, const std::vector<std::string>& args,
                   const BookCommandWork& work);

} // namespace rmnra::cli
