#include "ErrorReport.h"

#include "ThrowTrace.h"
#include "common/Cp1252.h"

#include <cxxabi.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <typeinfo>

namespace rmnra {
namespace {

std::string demangled(const std::type_info* type) {
    if (!type)
        return "desconhecida";
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(
        abi::__cxa_demangle(type->name(), nullptr, nullptr, &status), std::free);
    return status == 0 && name ? std::string(name.get()) : std::string(type->name());
}

std::string localTime(std::time_t when, const char* format) {
    std::tm tm{};
    localtime_r(&when, &tm);
    char text[64];
    return std::strftime(text, sizeof text, format, &tm) ? std::string(text) : std::string();
}

} // namespace

ErrorReport describeError(std::exception_ptr error, const std::string& command) {
    ErrorReport r;
    r.command = command;
    r.version = RMNRA_VERSION;
    r.when = std::time(nullptr);
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        r.message = e.what();
        r.errorClass = demangled(&typeid(e));
    } catch (...) {
        r.message = "Erro desconhecido";
        r.errorClass = demangled(abi::__cxa_current_exception_type());
    }
    r.stack = lastThrowTrace();
    return r;
}

std::string formatErrorDetails(const ErrorReport& r) {
    std::string text;
    text += "Data: " + localTime(r.when, "%d/%m/%Y %H:%M:%S") + "\n";
    text += "Programa: RMNRA vers\xE3o " + r.version + "\n";
    text += "Comando: " + (r.command.empty() ? std::string("(nenhum)") : r.command) + "\n";
    text += "Classe: " + r.errorClass + "\n";
    text += "Mensagem: ";
    for (char c : r.message)
        text += c == '\r' ? '\n' : c;
    text += "\n";
    text += "Pilha de chamadas:\n" + r.stack;
    return text;
}

std::string errorLogFileName(std::time_t when) {
    return "RMNRA-erros-" + localTime(when, "%Y-%m-%d") + ".log";
}

std::string appendErrorLog(const std::string& logFolder, const ErrorReport& report) {
    try {
        std::error_code ec;
        std::filesystem::create_directories(logFolder, ec);
        const std::string path =
            (std::filesystem::path(logFolder) / errorLogFileName(report.when)).string();
        std::ofstream out(path, std::ios::binary | std::ios::app);
        out << "==== Erro n\xC3\xA3o tratado ====\n"
            << cp1252ToUtf8(formatErrorDetails(report)) << "\n";
        out.flush();
        return out ? path : std::string();
    } catch (...) {
        return {};
    }
}

} // namespace rmnra
