#pragma once

#include <QString>
#include <optional>
#include <string>

namespace rmnra {

// The one place where Windows-1252 text meets QString.
QString toQString(const std::string& cp1252);

// QString to Windows-1252; a character without a Windows-1252 code becomes '?'.
std::string fromQString(const QString& text);

// QString to Windows-1252; std::nullopt when a character has no Windows-1252 code.
std::optional<std::string> fromQStringExact(const QString& text);

} // namespace rmnra
