#include "Colours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace rmnra::ui {

QColor colourFromSuiteValue(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    if (value >= 0)
        return QColor(bits & 0xFF, (bits >> 8) & 0xFF, (bits >> 16) & 0xFF);
    // System colours: the few a settings file plausibly names, the rest as the window face.
    const QPalette palette = QApplication::palette();
    switch (bits & 0xFF) {
    case 1: // desktop
    case 2: // active caption
        return palette.color(QPalette::Highlight);
    case 5: // window
        return palette.color(QPalette::Base);
    case 8:  // window text
    case 18: // button text
        return palette.color(QPalette::WindowText);
    case 12: // application workspace
        return palette.color(QPalette::Dark);
    default: // 15, button face, and anything else
        return palette.color(QPalette::Window);
    }
}

void useFaceColour(QWidget* panel) {
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    panel->setPalette(p);
}

} // namespace rmnra::ui
