#include "PageView.h"

#include "PagePainter.h"

#include <QPainter>

namespace rmnra {

PageView::PageView(const RenderedReport& report, QWidget* parent)
    : QWidget(parent), report_(report) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setZoom(1.0);
}

QSizeF PageView::naturalSize() const {
    return {report_.pageWidth / 2.54 * logicalDpiX(), report_.pageHeight / 2.54 * logicalDpiY()};
}

void PageView::setPage(int index) {
    page_ = index;
    update();
}

void PageView::setZoom(double zoom) {
    zoom_ = zoom;
    setFixedSize((naturalSize() * zoom_).toSize());
    update();
}

void PageView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.scale(zoom_, zoom_);
    paintPage(report_, page_, p);
}

} // namespace rmnra
