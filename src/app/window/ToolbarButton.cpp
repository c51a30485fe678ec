#include "ToolbarButton.h"

#include "ui/Colours.h"

#include <QPainter>

namespace rmnra::ui {

namespace {
constexpr int kIcon = 24;
constexpr int kSpacing = 4;
} // namespace

ToolbarButton::ToolbarButton(QWidget* parent) : QToolButton(parent) {
    setAutoRaise(true);
    setIconSize(QSize(kIcon, kIcon));
}

void ToolbarButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QToolButton::enterEvent(event);
}

void ToolbarButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QToolButton::leaveEvent(event);
}

void ToolbarButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    if (isEnabled() && (isDown() || hovered_)) {
        p.fillRect(r, isDown() ? kWorkAreaColour.darker(125) : kWorkAreaColour.darker(110));
        p.setPen(isDown() ? kWorkAreaColour.darker(160) : Qt::white);
        p.drawRect(r);
    }
    const QFontMetrics fm(font());
    const int block = kIcon + kSpacing + fm.height();
    const int top = (height() - block) / 2 + (isDown() ? 1 : 0);
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    icon().paint(&p, QRect((width() - kIcon) / 2, top, kIcon, kIcon), Qt::AlignCenter, mode);
    p.setFont(font());
    p.setPen(isEnabled() ? QColor(Qt::white) : kWorkAreaColour.darker(130));
    p.drawText(QRect(0, top + kIcon + kSpacing, width(), fm.height()), Qt::AlignCenter, text());
}

} // namespace rmnra::ui
