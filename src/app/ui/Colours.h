#pragma once

#include <QColor>

class QWidget;
#include <cstdint>

namespace rmnra::ui {

// The suite's blue-grey of the toolbar and the work area (13222311).
inline const QColor kWorkAreaColour{167, 193, 201};
inline const QColor kNavy{0, 0, 128};
inline const QColor kSilver{192, 192, 192};
inline const QColor kRed{255, 0, 0};

// A colour in the suite's integer encoding: red in the low byte, then green, then blue; a
// negative value names a system colour by the index in its low byte.
QColor colourFromSuiteValue(std::int32_t value);

// Panels that stand in for dialogs keep the face colour of dialogs, whatever colour the
// window behind them has.
void useFaceColour(QWidget* panel);

} // namespace rmnra::ui
