#include "ReportPreview.h"

#include "HtmlWriter.h"
#include "PageView.h"
#include "PdfWriter.h"
#include "QtText.h"
#include "ReportPrinter.h"
#include "ReportStatus.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <stdexcept>

namespace rmnra {
namespace {

// Zoom choices; the two negative ones fit the page to the window.
constexpr double kFitWidth = -1, kFitPage = -2;
const struct {
    const char* caption;
    double zoom;
} kZooms[] = {{"50 %", 0.5},
              {"75 %", 0.75},
              {"100 %", 1.0},
              {"125 %", 1.25},
              {"150 %", 1.5},
              {"200 %", 2.0},
              {"Largura da página", kFitWidth},
              {"Página inteira", kFitPage}};
constexpr int kHundredPercent = 2;

} // namespace

QString ReportPreview::pdfFilter() {
    return QStringLiteral("Adobe Acrobat (PDF) (*.pdf)");
}
QString ReportPreview::htmlFilter() {
    return QStringLiteral("Web Page (HTML) (*.html *.htm)");
}

ReportPreview::ReportPreview(const RenderedReport& report, QPrinter& printer, bool pdfFirst,
                             QWidget* parent)
    : QDialog(parent), report_(report), printer_(printer), pdfFirst_(pdfFirst) {
    setWindowTitle(QStringLiteral("Report Preview"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    setModal(true);

    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    first_ =
        addButton(QStringLiteral("|< Primeira"), QKeySequence(Qt::Key_Home), &ReportPreview::first);
    previous_ = addButton(QStringLiteral("< Anterior"), QKeySequence(Qt::Key_PageUp),
                          &ReportPreview::previous);
    next_ = addButton(QStringLiteral("Próxima >"), QKeySequence(Qt::Key_PageDown),
                      &ReportPreview::next);
    last_ = addButton(QStringLiteral("Última >|"), QKeySequence(Qt::Key_End), &ReportPreview::last);
    for (QAction* a : {first_, previous_, next_, last_})
        bar->addAction(a);
    pageLabel_ = new QLabel(this);
    pageLabel_->setContentsMargins(8, 0, 8, 0);
    bar->addWidget(pageLabel_);
    bar->addSeparator();
    zoomBox_ = new QComboBox(this);
    for (const auto& z : kZooms)
        zoomBox_->addItem(QString::fromUtf8(z.caption));
    zoomBox_->setCurrentIndex(kHundredPercent);
    zoomBox_->setToolTip(QStringLiteral("Zoom"));
    bar->addWidget(zoomBox_);
    bar->addSeparator();
    bar->addAction(
        addButton(QStringLiteral("Imprimir..."), QKeySequence::Print, &ReportPreview::print));
    bar->addAction(
        addButton(QStringLiteral("Salvar..."), QKeySequence::Save, &ReportPreview::save));
    bar->addSeparator();
    bar->addAction(
        addButton(QStringLiteral("Fechar"), QKeySequence(Qt::Key_Escape), &ReportPreview::reject));

    view_ = new PageView(report_, this);
    scroll_ = new QScrollArea(this);
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setWidget(view_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(scroll_, 1);

    connect(zoomBox_, &QComboBox::currentIndexChanged, this, &ReportPreview::zoomChosen);
    showPage(0);
}

QAction* ReportPreview::addButton(const QString& text, const QKeySequence& key,
                                  void (ReportPreview::*slot)()) {
    auto* action = new QAction(text, this);
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, slot);
    addAction(action);
    return action;
}

double ReportPreview::zoom() const {
    return view_->zoom();
}

void ReportPreview::showPage(int index) {
    if (pageCount() == 0)
        return;
    page_ = std::clamp(index, 0, pageCount() - 1);
    view_->setPage(page_);
    scroll_->verticalScrollBar()->setValue(0);
    updateControls();
}

void ReportPreview::setZoom(double zoom) {
    view_->setZoom(zoom);
    updateControls();
}

void ReportPreview::zoomChosen(int index) {
    if (index < 0 || index >= int(std::size(kZooms)))
        return;
    double z = kZooms[index].zoom;
    QSizeF page = view_->naturalSize();
    QSize room = scroll_->viewport()->size() - QSize(4, 4);
    if (z == kFitWidth)
        z = room.width() / page.width();
    else if (z == kFitPage)
        z = std::min(room.width() / page.width(), room.height() / page.height());
    setZoom(std::max(z, 0.1));
}

void ReportPreview::updateControls() {
    pageLabel_->setText(QStringLiteral("Página %1 de %2").arg(page_ + 1).arg(pageCount()));
    first_->setEnabled(page_ > 0);
    previous_->setEnabled(page_ > 0);
    next_->setEnabled(page_ + 1 < pageCount());
    last_->setEnabled(page_ + 1 < pageCount());
}

void ReportPreview::print() {
    QPrintDialog dialog(&printer_, this);
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, pageCount());
    if (dialog.exec() != QDialog::Accepted)
        return;
    ReportStatus status(this, QStringLiteral("Printing page %p"));
    if (!printReport(report_, printer_, [&](int page) { status.page(page); }))
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Não foi possível imprimir na impressora %1.")
                                 .arg(printer_.printerName()));
}

void ReportPreview::saveTo(const QString& path) const {
    QString lower = path.toLower();
    if (lower.endsWith(QStringLiteral(".html")) || lower.endsWith(QStringLiteral(".htm")))
        writeHtml(report_, path);
    else
        writePdf(report_, path);
}

void ReportPreview::save() {
    QString filters =
        pdfFirst_ ? pdfFilter() + ";;" + htmlFilter() : htmlFilter() + ";;" + pdfFilter();
    QString selected = pdfFirst_ ? pdfFilter() : htmlFilter();
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Salvar relatório"),
                                                toQString(report_.name), filters, &selected);
    if (path.isEmpty())
        return;
    QString lower = path.toLower();
    if (!lower.endsWith(".pdf") && !lower.endsWith(".html") && !lower.endsWith(".htm"))
        path += selected == htmlFilter() ? QStringLiteral(".html") : QStringLiteral(".pdf");
    try {
        saveTo(path);
    } catch (const std::exception& e) {
        QMessageBox::warning(this, windowTitle(), toQString(e.what()));
    }
}

} // namespace rmnra
