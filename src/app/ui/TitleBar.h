#pragma once

#include <QLabel>

namespace rmnra::ui {

// The navy title bar of a panel with its white bold caption.
QLabel* makeTitleBar(const QString& caption, QWidget* parent);

// A bold font of the given point size, Arial as the suite's panels use it.
QFont arialFont(int pointSize, bool bold);

} // namespace rmnra::ui
