#include "Gauge.h"

#include "ui/Colours.h"
#include "ui/TitleBar.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace rmnra::ui {

Gauge::Gauge(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Termometro"));
}

void Gauge::setMaximum(int maximum) {
    maximum_ = maximum;
    update();
}

void Gauge::setProgress(int progress) {
    progress_ = progress;
    update();
}

int Gauge::percentDone() const {
    if (maximum_ <= 0)
        return 0;
    // A progress above the maximum shows as the maximum; the minimum is 0.
    const long long done = std::clamp<long long>(progress_, 0, maximum_);
    return static_cast<int>(done * 100 / maximum_);
}

void Gauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(width(), height()) - 2;
    const QRectF circle((width() - side) / 2.0, (height() - side) / 2.0, side, side);

    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(circle);

    QPainterPath pie;
    const double share = maximum_ > 0 ? std::clamp(double(progress_) / maximum_, 0.0, 1.0) : 0;
    if (share > 0) {
        pie.moveTo(circle.center());
        pie.arcTo(circle, 90, -360.0 * share);
        pie.closeSubpath();
        p.setBrush(kNavy);
        p.drawPath(pie);
    }

    // The figures are white over the filled slice and navy elsewhere, so they stay legible.
    const QString text = QString::number(percentDone()) + QLatin1Char('%');
    QFont f = arialFont(12, true);
    p.setFont(f);
    p.setPen(kNavy);
    p.drawText(circle, Qt::AlignCenter, text);
    if (share > 0) {
        p.setClipPath(pie);
        p.setPen(Qt::white);
        p.drawText(circle, Qt::AlignCenter, text);
    }
}

} // namespace rmnra::ui
