#pragma once

#include "RenderedReport.h"

#include <QWidget>

namespace rmnra {

// One page of a laid-out report on screen, on white paper, at a zoom factor.
class PageView : public QWidget {
public:
    PageView(const RenderedReport& report, QWidget* parent = nullptr);
    void setPage(int index);
    void setZoom(double zoom);
    double zoom() const { return zoom_; }
    // Size of the page in screen pixels at zoom 1.
    QSizeF naturalSize() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const RenderedReport& report_;
    int page_ = 0;
    double zoom_ = 1.0;
};

} // namespace rmnra
