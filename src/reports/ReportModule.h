#pragma once

#include "RenderedReport.h"
#include "ReportModel.h"
#include "common/ReportData.h"

#include <QPrinter>
#include <memory>
#include <optional>
#include <string>

class QWidget;

namespace rmnra {

// The report module: the project file, the data it reads, the preview, the printer and
// the file renderers. Paths are file-system bytes (as the suite folder gives them).
class ReportModule {
public:
    // The project defaults to <suite folder>/RPT/rptRMNRA.xml.
    explicit ReportModule(std::string projectPath = defaultProjectPath());
    ~ReportModule();

    static std::string defaultProjectPath();
    const std::string& projectPath() const { return projectPath_; }

    // Discards the loaded project: the next run reads the file again.
    void close();
    bool isLoaded() const { return project_.has_value(); }
    // The project, loaded when needed. Throws ReportLoadError (missing file: names its path).
    const ReportProject& project();

    // Lays a report out on the data as handed in; nullopt when the project lacks the name.
    // With `showStatus`, the "Report Status" window follows the pages as they are generated.
    std::optional<RenderedReport> render(const std::string& reportName, const ReportData& data,
                                         bool showStatus = false, QWidget* parent = nullptr);

    // Runs a report into the modal, maximised preview at 100 %; returns when it is closed.
    // A name that the project lacks runs nothing (returns false).
    bool execute(const std::string& reportName, const ReportData& data, QWidget* parent = nullptr);

    // Writes the report to files without a window (an empty path is skipped); false when
    // the project lacks the name. Throws std::runtime_error naming a path that cannot be
    // written.
    bool exportReport(const std::string& reportName, const ReportData& data,
                      const std::string& pdfPath, const std::string& htmlPath);

    // Makes PDF the format the preview's save command offers first.
    void activatePdfRenderer() { pdfActive_ = true; }
    bool pdfRendererActive() const { return pdfActive_; }

    // The print set-up dialog for the module's printer; the choice serves later reports.
    bool configurePrinter(QWidget* parent);
    QPrinter& printer();

private:
    std::string projectPath_;
    std::optional<ReportProject> project_;
    std::unique_ptr<QPrinter> printer_;
    bool pdfActive_ = false;
};

} // namespace rmnra
