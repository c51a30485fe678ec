#pragma once

#include <optional>
#include <string>

namespace rmnra {

// Text below the window is Windows-1252 bytes, exactly as the suite's database stores it.
// These conversions are lossless both ways: the five codes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) travel as the C1 control characters of the
// same value, so any byte string survives a round trip through UTF-8.
std::string cp1252ToUtf8(const std::string& cp1252);

// Converts UTF-8 to Windows-1252; std::nullopt when a character has no Windows-1252 code
// or the input is not valid UTF-8.
std::optional<std::string> utf8ToCp1252(const std::string& utf8);

// Code point of one Windows-1252 byte.
char32_t cp1252CodePoint(unsigned char byte);

} // namespace rmnra
