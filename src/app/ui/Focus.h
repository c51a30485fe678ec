#pragma once

class QWidget;

namespace rmnra::ui {

// Moves the focus from w to the next control in tab order, as Tab does.
void focusNextControl(QWidget* w);

} // namespace rmnra::ui
