#pragma once

#include <QString>
#include <memory>

class QProgressDialog;
class QWidget;

namespace rmnra {

// The "Report Status" window shown while pages are generated or printed. `pattern` holds
// %p for the page number ("Generating page %p", "Printing page %p").
class ReportStatus {
public:
    ReportStatus(QWidget* parent, const QString& pattern);
    ~ReportStatus();
    void page(int number);

private:
    std::unique_ptr<QProgressDialog> dialog_;
    QString pattern_;
};

} // namespace rmnra
