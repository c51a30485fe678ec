#include "BookCommandRun.h"

#include "CommandLine.h"
#include "CommandLineLogin.h"
#include "TerminalUserInterface.h"
#include "data/Session.h"
#include "reports/ReportModule.h"
#include "settings/SettingsReader.h"

#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>

namespace rmnra::cli {
namespace {

std::optional<BookCommandArgs> parseArgs(const BookCommandSpec& spec,
                                         const std::vector<std::string>& args) {
    BookCommandArgs parsed;
    bool user = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--user" && hasValue) {
            user = true;
            ++i;
        } else if (a.rfind("--user=", 0) == 0) {
            user = true;
        } else if (spec.acceptsFiles && a == "--pdf" && hasValue) {
            parsed.pdf = args[++i];
        } else if (spec.acceptsFiles && a == "--html" && hasValue) {
            parsed.html = args[++i];
        } else if (spec.acceptsDetail && a == "--detail") {
            parsed.detail = true;
        } else {
            return std::nullopt;
        }
    }
    if (!user)
        return std::nullopt;
    return parsed;
}

// Reports are laid out with Qt's fonts and painters; without a display the offscreen
// platform serves.
std::unique_ptr<QGuiApplication> reportApplication() {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
        !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "rmnra";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int runBookCommand(const BookCommandSpec& spec, const std::vector<std::string>& args,
                   const BookCommandWork& work) {
    const auto parsed = parseArgs(spec, args);
    if (!parsed) {
        printError(std::string("Uso: ") + spec.usage);
        return 2;
    }
    if (const int status = readSettingsForCommand())
        return status;
    AppSettings& settings = appSettings();

    TerminalUserInterface ui;
    try {
        std::unique_ptr<QGuiApplication> app;
        std::unique_ptr<ReportModule> reports;
        if (spec.acceptsFiles) {
            app = reportApplication();
            reports = std::make_unique<ReportModule>();
        }
        ui.setReportProjectCloser([&] {
            if (reports)
                reports->close();
        });
        ui.setReportExporter([&](const std::string& name, const ReportData& data) {
            if (parsed->pdf.empty() && parsed->html.empty()) {
                std::cerr << "Relat\xC3\xB3rio " << name
                          << " n\xC3\xA3o gravado: informe --pdf ARQUIVO e/ou --html ARQUIVO."
                          << std::endl;
                return;
            }
            if (!reports->exportReport(name, data, parsed->pdf, parsed->html))
                throw std::runtime_error("O projeto de relat\xF3rios " + reports->projectPath() +
                                         " n\xE3o tem o relat\xF3rio " + name + ".");
            for (const std::string* file : {&parsed->pdf, &parsed->html})
                if (!file->empty())
                    std::cerr << forTerminal(name + " gravado em " + *file) << std::endl;
        });

        Session session(settings);
        const CommandLineLogin login = loginFromCommandLine(args, session, ui);
        if (!login.ok)
            return 1;
        BookContext ctx{session.dm.attachment(), session.runValues.currentCnpj(),
                        settings.BookOrdering, ui};
        return work(session, ctx, *parsed) ? 0 : 1;
    } catch (const std::exception& e) {
        printError(e.what());
        return 1;
    }
}

} // namespace rmnra::cli
