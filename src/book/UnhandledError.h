#pragma once

#include <exception>
#include <string>

namespace rmnra {

// The four-line message a procedure shows for an error it catches itself:
// "[" + procedure + "] UM ERRO N\xC3O TRATADO FOI GERADO!!!", "Erro encontrado: " + text,
// "Classe: " + the error's class name, "Linha: " + line + ".".
std::string unhandledErrorMessage(const std::string& procedure, const std::exception& error,
                                  int line);

// The class name of an error, as the program names it in messages.
std::string errorClassName(const std::exception& error);

} // namespace rmnra
