#pragma once

#include "RenderedReport.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPrinter;
class QScrollArea;
class QAction;

namespace rmnra {

class PageView;

// The modal "Report Preview" window: one page at a time, first/previous/next/last page,
// zoom, print and save as PDF or HTML.
class ReportPreview : public QDialog {
    Q_OBJECT
public:
    ReportPreview(const RenderedReport& report, QPrinter& printer, bool pdfFirst,
                  QWidget* parent = nullptr);

    int currentPage() const { return page_; } // 0-based
    double zoom() const;
    void showPage(int index);
    void setZoom(double zoom);

    // Saves to a file; the format follows the extension (.pdf, .html or .htm).
    // Throws std::runtime_error on failure.
    void saveTo(const QString& path) const;

    static QString pdfFilter();
    static QString htmlFilter();

private slots:
    void print();
    void save();
    void zoomChosen(int index);

private:
    void updateControls();
    QAction* addButton(const QString& text, const QKeySequence& key, void (ReportPreview::*slot)());
    void first() { showPage(0); }
    void previous() { showPage(page_ - 1); }
    void next() { showPage(page_ + 1); }
    void last() { showPage(pageCount() - 1); }
    int pageCount() const { return static_cast<int>(report_.pages.size()); }

    const RenderedReport& report_;
    QPrinter& printer_;
    bool pdfFirst_;
    int page_ = 0;
    PageView* view_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QComboBox* zoomBox_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QAction *first_ = nullptr, *previous_ = nullptr, *next_ = nullptr, *last_ = nullptr;
};

} // namespace rmnra
