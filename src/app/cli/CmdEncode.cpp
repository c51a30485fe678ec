#include "CommandLine.h"
#include "Commands.h"
#include "common/Cp1252.h"
#include "security/CredentialEncoding.h"

#include <iostream>

namespace rmnra::cli {

// Helps an administrator create users: prints the stored form of a name or password. Without
// an argument the text is the first line of standard input, so that a password never shows
// in the list of running processes.
int runEncode(const std::vector<std::string>& args) {
    if (args.size() > 1) {
        printError("Uso: rmnra encode [TEXTO]");
        return 2;
    }
    std::string input;
    if (args.empty()) {
        std::getline(std::cin, input);
        if (!input.empty() && input.back() == '\r')
            input.pop_back();
    }
    auto text = utf8ToCp1252(args.empty() ? input : args[0]);
    if (!text) {
        printError("O texto cont\xE9m um caractere que n\xE3o existe em Windows-1252.");
        return 1;
    }
    std::cout << EncodeCredential(*text) << "\n";
    return 0;
}

} // namespace rmnra::cli
