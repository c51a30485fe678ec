#include "CommandLine.h"

#include "Commands.h"
#include "common/Cp1252.h"
#include "settings/SettingsReader.h"

#include <array>
#include <cstdio>
#include <iostream>

namespace rmnra::cli {
namespace {

const std::array kCommands = {
    Command{"settings", "rmnra settings", &runSettings},
    Command{"encode", "rmnra encode [TEXT]", &runEncode},
    Command{"create-suite", "rmnra create-suite PASTA [--demo]", &runCreateSuite},
    Command{"login", "rmnra login --user NOME", &runLogin},
    Command{"prepare", "rmnra prepare --user NOME [--pdf ARQUIVO] [--html ARQUIVO]", &runPrepare},
    Command{"book", "rmnra book --user NOME [--detail] [--pdf ARQUIVO] [--html ARQUIVO]", &runBook},
    Command{"correct", "rmnra correct --user NOME", &runCorrect},
    Command{"format-dcb", "rmnra format-dcb --user NOME", &runFormatDcb},
};

} // namespace

std::string forTerminal(const std::string& cp1252) {
    std::string text = cp1252;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n')
                text.erase(i, 1);
            else
                text[i] = '\n';
        }
    }
    return cp1252ToUtf8(text);
}

void printError(const std::string& cp1252) {
    std::cerr << forTerminal(cp1252) << std::endl;
}

int readSettingsForCommand() {
    try {
        readSettingsFile(appSettings(), ProgramFolder());
    } catch (const SettingsFileMissing& e) {
        printError(e.what());
        return 2;
    } catch (const std::exception& e) {
        printError(e.what());
        return 1;
    }
    return 0;
}

void printUsage() {
    std::cerr << "Uso: rmnra [subcomando]\n"
                 "Sem subcomando abre a janela do programa. Subcomandos:\n";
    for (const auto& c : kCommands)
        std::cerr << "  " << c.usage << "\n";
}

int runCommandLine(int argc, char** argv) {
    std::string name = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    for (const auto& c : kCommands)
        if (name == c.name)
            return c.run(args);
    if (name == "--help" || name == "-h" || name == "help") {
        printUsage();
        return 0;
    }
    std::cerr << "rmnra: subcomando desconhecido: " << name << "\n";
    printUsage();
    return 2;
}

} // namespace rmnra::cli
