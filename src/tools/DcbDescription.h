#pragma once

#include <string>

namespace rmnra {

// The text with every accented letter of the suite's accent table (À-Ã, Ç, É Ê, Í, Ñ,
// Ó-Õ, Ú-Ü and their small forms) replaced by its plain small letter; every other
// character stays. The result has the same length.
std::string BrLowerCase(const std::string& text);

// The normalised DCB description: capitals A-Z made small, the first character made
// capital when it is a-z, after a leading "vitamina" the 10th character made capital,
// then BrLowerCase. "DIAZEPAM" gives "Diazepam", "VITAMINA B12" "Vitamina B12".
std::string Converte_Codigo(const std::string& text);

} // namespace rmnra
