#pragma once

#include "RenderedReport.h"

namespace rmnra {

// Shrinks a text's font (and wraps it, when the item allows) until it fits its box, so
// that no value of the book is cut off. Measured at a fixed high resolution so that every
// output gets the same decision.
void fitText(DrawOp& op);

} // namespace rmnra
