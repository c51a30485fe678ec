#include "CommandLine.h"
#include "Commands.h"
#include "common/SuiteFolder.h"
#include "data/DemoData.h"
#include "data/SuiteCreator.h"
#include "data/fb/Client.h"
#include "data/fb/Error.h"
#include "reports/DefaultProject.h"

#include <iostream>

namespace rmnra::cli {

// For administrators and newcomers: a new suite folder with empty databases, or with a
// demonstration pharmacy.
int runCreateSuite(const std::vector<std::string>& args) {
    std::string folder;
    bool demo = false;
    for (const auto& a : args) {
        if (a == "--demo") {
            demo = true;
        } else if (folder.empty() && !a.empty() && a[0] != '-') {
            folder = a;
        } else {
            folder.clear();
            break;
        }
    }
    if (folder.empty()) {
        printError("Uso: rmnra create-suite PASTA [--demo]");
        return 2;
    }
    try {
        createSuite(folder, demo, fb::clientLibraryPath(suiteFolder()));
        // The suite needs the book reports before its first "Preparar Livro".
        installDefaultReportProject(withTrailingSeparator(folder) + "RPT");
    } catch (const SuiteCreationRefused& e) {
        printError(e.what());
        return 1;
    } catch (const fb::Error& e) {
        printError(std::string("Erro do banco de dados: ") + e.what());
        return 1;
    } catch (const std::runtime_error& e) {
        printError(e.what());
        return 1;
    }
    const std::string root = withTrailingSeparator(folder);
    std::cout << forTerminal("Su\xEDte criada em " + root +
                             ": dados/orvantis.bd, "
                             "interfac/orvantis.bd, interfac01/orvantis.bd, RPT/rptRMNRA.xml, LOG.")
              << "\n";
    if (demo)
        std::cout << forTerminal(std::string("Farm\xE1"
                                             "cia de demonstra\xE7\xE3o com os pedidos de ") +
                                 kDemoMonth + "/" + kDemoYear +
                                 "; usu\xE1rio DEMO, senha 1234 (ORVANTIS_HOME=" + root + ").")
                  << "\n";
    return 0;
}

} // namespace rmnra::cli
