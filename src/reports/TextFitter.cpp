#include "TextFitter.h"

#include "PagePainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <algorithm>
#include <map>
#include <tuple>

namespace rmnra {
namespace {

constexpr double kMetricDpi = 1200.0;
constexpr double kMinimumSize = 5.0;

const QImage& metricDevice() {
    static const QImage image = [] {
        QImage img(1, 1, QImage::Format_ARGB32);
        int dpm = int(kMetricDpi / 0.0254 + 0.5);
        img.setDotsPerMeterX(dpm);
        img.setDotsPerMeterY(dpm);
        return img;
    }();
    return image;
}

double toPixels(double cm) {
    return cm / 2.54 * kMetricDpi;
}

// Measuring a whole book builds the same few fonts again and again; keep their metrics.
const QFontMetricsF& metricsOf(const FontSpec& spec) {
    static std::map<std::tuple<QString, double, bool, bool>, QFontMetricsF> cache;
    auto key = std::make_tuple(spec.family, spec.size, spec.bold, spec.italic);
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, QFontMetricsF(makeFont(spec), &metricDevice())).first;
    return it->second;
}

} // namespace

void fitText(DrawOp& op) {
    if (op.kind != ReportItem::Kind::Text || op.text.isEmpty())
        return;
    // A little slack: screens and printers measure a few per cent differently.
    const double width = 0.97 * toPixels(std::max(0.0, op.box.width - 2 * kTextPadding));
    // Wrapped lines keep clear of a frame above and below.
    const double height = toPixels(std::max(0.0, op.box.height - 0.06));
    const bool multiLine = op.text.contains(u'\n');
    const double start = op.font.size;
    const double floor = std::min(start, kMinimumSize);
    for (double size = start; size >= floor - 1e-9; size -= 0.25) {
        FontSpec spec = op.font;
        spec.size = size;
        const QFontMetricsF& fm = metricsOf(spec);
        if (!multiLine && fm.horizontalAdvance(op.text) <= width) {
            op.font.size = size;
            return;
        }
        if (op.wrap || multiLine) {
            QRectF r = fm.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, op.text);
            if (r.height() <= height && r.width() <= width + 0.5) {
                op.font.size = size;
                return;
            }
        }
    }
    op.font.size = floor;
}

} // namespace rmnra
