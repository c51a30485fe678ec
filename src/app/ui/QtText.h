#pragma once

#include "reports/QtText.h"

#include <QString>
#include <string>

namespace rmnra::ui {

// Windows-1252 text meets QString only through the report layer's helpers.
using rmnra::fromQString;
using rmnra::toQString;

// A message's lines are separated by '\r' alone; a box shows each one on its own line.
QString messageLines(const std::string& cp1252);

} // namespace rmnra::ui
