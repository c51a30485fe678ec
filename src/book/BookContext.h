#pragma once

#include "common/UserInterface.h"

#include <string>

namespace rmnra {

namespace fb {
class Attachment;
}

// What the book commands work with: the suite's main database, the pharmacy of the
// current work area, the configured book ordering and the user.
struct BookContext {
    fb::Attachment& main;
    std::string cnpj;         // CurrentCnpj
    std::string bookOrdering; // AppSettings::BookOrdering
    UserInterface& ui;
};

} // namespace rmnra
