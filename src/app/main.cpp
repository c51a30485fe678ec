#include "AppMain.h"
#include "cli/CommandLine.h"

#include <clocale>

int main(int argc, char** argv) {
    // Dates and quantities follow the user's regional settings.
    std::setlocale(LC_ALL, "");
    if (argc > 1)
        return rmnra::cli::runCommandLine(argc, argv);
    return rmnra::ui::runWindow(argc, argv);
}
