#pragma once

#include "RenderedReport.h"

#include <QFont>

class QPainter;

namespace rmnra {

QFont makeFont(const FontSpec& spec);

// Draws page `index` (0-based) of a laid-out report. The painter's origin is the paper's
// top-left corner and its device's resolution gives the scale, so the same call serves the
// preview (with any extra scaling already applied to the painter), the printer and PDF.
void paintPage(const RenderedReport& report, int index, QPainter& painter);

} // namespace rmnra
