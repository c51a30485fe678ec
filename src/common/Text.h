#pragma once

#include <string>

namespace rmnra {

// Upper- and lower-casing of the letters a-z / A-Z only: accented letters keep their case,
// as the suite does everywhere.
std::string upperAscii(std::string s);
std::string lowerAscii(std::string s);

// A value longer than its column is cut to the column's width in bytes.
std::string cutTo(const std::string& s, size_t width);

// Leading part of a text, at most n bytes (the whole text when shorter).
inline std::string leftOf(const std::string& s, size_t n) { return s.substr(0, n); }

// Formats "dd.ddd.ddd/dddd-dd" from a CNPJ of digits; missing characters stay absent,
// the punctuation is always present.
std::string formatCnpj(const std::string& digits);

// Lines of a multi-line message are separated by a carriage return alone.
inline constexpr char kMessageLineBreak = '\r';

} // namespace rmnra
