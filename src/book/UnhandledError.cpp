#include "UnhandledError.h"

#include "common/Text.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace rmnra {

std::string errorClassName(const std::exception& error) {
    const char* mangled = typeid(error).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    return status == 0 && name ? std::string(name.get()) : std::string(mangled);
}

std::string unhandledErrorMessage(const std::string& procedure, const std::exception& error,
                                  int line) {
    const std::string br(1, kMessageLineBreak);
    return "[" + procedure + "] UM ERRO N\xC3O TRATADO FOI GERADO!!!" + br +
           "Erro encontrado: " + error.what() + br + "Classe: " + errorClassName(error) + br +
           "Linha: " + std::to_string(line) + ".";
}

} // namespace rmnra
