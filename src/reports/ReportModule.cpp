#include "ReportModule.h"

#include "HtmlWriter.h"
#include "Paginator.h"
#include "PdfWriter.h"
#include "ReportLoader.h"
#include "ReportPreview.h"
#include "ReportStatus.h"
#include "common/SuiteFolder.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QScreen>

namespace rmnra {

ReportModule::ReportModule(std::string projectPath) : projectPath_(std::move(projectPath)) {}
ReportModule::~ReportModule() = default;

std::string ReportModule::defaultProjectPath() {
    return suiteFolder() + "RPT/rptRMNRA.xml";
}

void ReportModule::close() {
    project_.reset();
}

const ReportProject& ReportModule::project() {
    if (!project_)
        project_ = loadReportProject(QFile::decodeName(projectPath_.c_str()));
    return *project_;
}

std::optional<RenderedReport> ReportModule::render(const std::string& reportName,
                                                   const ReportData& data, bool showStatus,
                                                   QWidget* parent) {
    const Report* report = project().find(reportName);
    if (!report)
        return std::nullopt;
    PaginateOptions options;
    std::unique_ptr<ReportStatus> status;
    if (showStatus) {
        status = std::make_unique<ReportStatus>(parent, QStringLiteral("Generating page %p"));
        options.onPage = [&](int page) { status->page(page); };
    }
    return paginate(*report, data, options);
}

bool ReportModule::execute(const std::string& reportName, const ReportData& data, QWidget* parent) {
    auto rendered = render(reportName, data, true, parent);
    if (!rendered)
        return false;
    ReportPreview preview(*rendered, printer(), pdfActive_, parent);
    preview.setZoom(1.0);
    // Fill the screen even where no window manager honours the maximised state.
    if (QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        preview.setGeometry(screen->availableGeometry());
    preview.showMaximized();
    preview.exec();
    return true;
}

bool ReportModule::exportReport(const std::string& reportName, const ReportData& data,
                                const std::string& pdfPath, const std::string& htmlPath) {
    auto rendered = render(reportName, data);
    if (!rendered)
        return false;
    if (!pdfPath.empty())
        writePdf(*rendered, QFile::decodeName(pdfPath.c_str()));
    if (!htmlPath.empty())
        writeHtml(*rendered, QFile::decodeName(htmlPath.c_str()));
    return true;
}

QPrinter& ReportModule::printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool ReportModule::configurePrinter(QWidget* parent) {
    QPrintDialog dialog(&printer(), parent);
    dialog.setWindowTitle(QStringLiteral("Configurar Impressora"));
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace rmnra
