#include "TerminalUserInterface.h"

#include "CommandLine.h"

#include <algorithm>
#include <iostream>
#include <stdexcept>
#include <unistd.h>

namespace rmnra::cli {

TerminalUserInterface::TerminalUserInterface()
    : TerminalUserInterface(std::cout, std::cerr, isatty(STDERR_FILENO) == 1) {}

TerminalUserInterface::TerminalUserInterface(std::ostream& out, std::ostream& err,
                                             bool errIsTerminal)
    : out_(out), err_(err), terminal_(errIsTerminal) {}

void TerminalUserInterface::showMessage(const std::string& text) {
    endBar();
    err_ << forTerminal(text) << std::endl;
}

void TerminalUserInterface::progressShow() {
    shown_ = true;
    lastPercent_ = -1;
    drawBar();
}

void TerminalUserInterface::progressHide() {
    endBar();
    shown_ = false;
}

void TerminalUserInterface::progressSetMaximum(int maximum) {
    maximum_ = maximum;
    drawBar();
}

void TerminalUserInterface::progressSetPosition(int position) {
    position_ = position;
    drawBar();
}

void TerminalUserInterface::progressSetLabel(const std::string& text) {
    label_ = text;
    lastPercent_ = -1;
    drawBar();
}

void TerminalUserInterface::drawBar() {
    // A bar only makes sense on a terminal; in a log it would be noise.
    if (!shown_ || !terminal_)
        return;
    const int done = maximum_ > 0 ? std::clamp(position_, 0, maximum_) : 0;
    const int percent = maximum_ > 0 ? static_cast<int>(100LL * done / maximum_) : 0;
    if (percent == lastPercent_)
        return;
    lastPercent_ = percent;
    constexpr int kWidth = 30;
    const int filled = percent * kWidth / 100;
    err_ << "\r[" << std::string(filled, '#') << std::string(kWidth - filled, '.') << "] "
         << (percent < 10    ? "  "
             : percent < 100 ? " "
                             : "")
         << percent << "% " << forTerminal(label_) << "\x1b[K" << std::flush;
    barDrawn_ = true;
}

void TerminalUserInterface::endBar() {
    if (barDrawn_)
        err_ << "\n" << std::flush;
    barDrawn_ = false;
    lastPercent_ = -1;
}

void TerminalUserInterface::showInconsistencies(const std::vector<std::string>& lines) {
    endBar();
    for (const auto& line : lines)
        out_ << forTerminal(line) << "\n";
    out_.flush();
}

void TerminalUserInterface::closeReportProject() {
    if (projectCloser_)
        projectCloser_();
}

void TerminalUserInterface::runReport(const std::string& reportName, const ReportData& data) {
    endBar();
    if (!exporter_)
        throw std::runtime_error("Nenhum arquivo de sa\xED"
                                 "da foi informado para o relat\xF3rio " +
                                 reportName + " (use --pdf ou --html).");
    exporter_(reportName, data);
}

} // namespace rmnra::cli
