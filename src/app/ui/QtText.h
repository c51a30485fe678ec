#pragma once

#include "common/Cp1252.h"

#include <QString>
#include <string>

namespace rmnra::ui {

// The one place where Windows-1252 text below the window meets QString.
inline QString toQString(const std::string& cp1252) {
    return QString::fromStdString(cp1252ToUtf8(cp1252));
}

// Characters without a Windows-1252 code cannot be stored by the suite; they become '?'
// as the Windows edit controls would have typed them.
std::string fromQString(const QString& text);

// A message's lines are separated by '\r' alone; a box shows each one on its own line.
QString messageLines(const std::string& cp1252);

} // namespace rmnra::ui
