#include "PagePainter.h"

#include <QPaintDevice>
#include <QPainter>

namespace rmnra {

QFont makeFont(const FontSpec& spec) {
    QFont font(spec.family);
    font.setPointSizeF(spec.size);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

namespace {

class PageCanvas {
public:
    explicit PageCanvas(QPainter& p)
        : p_(p), sx_(p.device()->logicalDpiX() / 2.54), sy_(p.device()->logicalDpiY() / 2.54) {}

    QRectF rect(const RectCm& r) const {
        return {r.left * sx_, r.top * sy_, r.width * sx_, r.height * sy_};
    }
    QPen pen(double widthCm) const {
        QPen pen(Qt::black, std::max(widthCm * sx_, 0.0));
        pen.setCapStyle(Qt::SquareCap);
        return pen;
    }

    void draw(const DrawOp& op) {
        switch (op.kind) {
        case ReportItem::Kind::Line: {
            p_.setPen(pen(op.penWidth));
            QRectF r = rect(op.box);
            p_.drawLine(r.topLeft(), r.bottomRight());
            break;
        }
        case ReportItem::Kind::Rectangle:
            p_.setPen(pen(op.penWidth));
            p_.setBrush(Qt::NoBrush);
            p_.drawRect(rect(op.box));
            break;
        case ReportItem::Kind::Text:
            drawText(op);
            break;
        }
    }

private:
    void drawText(const DrawOp& op) {
        QRectF r = rect(op.box);
        if (op.frame.any()) {
            p_.setPen(pen(op.penWidth));
            if (op.frame.left)
                p_.drawLine(r.topLeft(), r.bottomLeft());
            if (op.frame.top)
                p_.drawLine(r.topLeft(), r.topRight());
            if (op.frame.right)
                p_.drawLine(r.topRight(), r.bottomRight());
            if (op.frame.bottom)
                p_.drawLine(r.bottomLeft(), r.bottomRight());
        }
        if (op.text.isEmpty())
            return;
        // The paginator already fits every text to its box; a clip per text would only add a
        // clipping path per cell to the PDF and slow long books down.
        int flags = Qt::TextDontClip;
        flags |= op.hAlign == HAlign::Left    ? Qt::AlignLeft
                 : op.hAlign == HAlign::Right ? Qt::AlignRight
                                              : Qt::AlignHCenter;
        flags |= op.vAlign == VAlign::Top      ? Qt::AlignTop
                 : op.vAlign == VAlign::Bottom ? Qt::AlignBottom
                                               : Qt::AlignVCenter;
        if (op.wrap || op.text.contains(u'\n'))
            flags |= Qt::TextWordWrap;
        if (!(op.font == currentFont_)) {
            currentFont_ = op.font;
            p_.setFont(makeFont(op.font));
        }
        p_.setPen(Qt::black);
        double pad = kTextPadding * sx_;
        p_.drawText(r.adjusted(pad, 0, -pad, 0), flags, op.text);
    }

    QPainter& p_;
    double sx_, sy_;
    FontSpec currentFont_{QString(), -1};
};

} // namespace

void paintPage(const RenderedReport& report, int index, QPainter& painter) {
    if (index < 0 || index >= static_cast<int>(report.pages.size()))
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    PageCanvas canvas(painter);
    for (const auto& op : report.pages[size_t(index)].ops)
        canvas.draw(op);
    painter.restore();
}

} // namespace rmnra
