#include "WindowUserInterface.h"

#include "Gauge.h"
#include "InconsistencyPanel.h"
#include "ProgressPanel.h"
#include "ui/MessageSink.h"
#include "ui/QtText.h"

#include <QApplication>
#include <QLabel>
#include <stdexcept>

namespace rmnra::ui {

WindowUserInterface::WindowUserInterface(QWidget* window, ProgressPanel& progress,
                                         InconsistencyPanel& inconsistencies)
    : window_(window), progress_(progress), inconsistencies_(inconsistencies) {}

void WindowUserInterface::showMessage(const std::string& text) {
    messageSink().information(window_, messageLines(text));
}

void WindowUserInterface::progressSetBounds(int left, int top, int width, int height) {
    progress_.setGeometry(left, top, width, height);
}

void WindowUserInterface::progressMove(int left, int top) {
    progress_.move(left, top);
}

void WindowUserInterface::progressShow() {
    progress_.show();
    progress_.raise();
}

void WindowUserInterface::progressHide() {
    progress_.hide();
}

void WindowUserInterface::progressSetMaximum(int maximum) {
    progress_.gauge()->setMaximum(maximum);
}

void WindowUserInterface::progressSetPosition(int position) {
    progress_.gauge()->setProgress(position);
}

void WindowUserInterface::progressSetLabel(const std::string& text) {
    progress_.label()->setText(toQString(text));
}

void WindowUserInterface::progressRepaint() {
    progress_.repaint();
}

void WindowUserInterface::showInconsistencies(const std::vector<std::string>& lines) {
    inconsistencies_.showReport(lines);
}

void WindowUserInterface::runReport(const std::string& reportName, const ReportData& data) {
    if (!reportRunner_)
        throw std::runtime_error("O m\xF3"
                                 "dulo de relat\xF3rios n\xE3o est\xE1 dispon\xEDvel "
                                 "para o relat\xF3rio " +
                                 reportName + ".");
    reportRunner_(reportName, data);
}

void WindowUserInterface::closeReportProject() {
    if (projectCloser_)
        projectCloser_();
}

void WindowUserInterface::processPendingEvents() {
    QApplication::processEvents();
}

} // namespace rmnra::ui
