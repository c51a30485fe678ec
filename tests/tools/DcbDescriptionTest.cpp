#include "tools/DcbDescription.h"

#include <gtest/gtest.h>

namespace rmnra {
namespace {

TEST(ConverteCodigo, TableOfDescriptions) {
    const std::pair<const char*, const char*> cases[] = {
        {"DIAZEPAM", "Diazepam"},
        {"VITAMINA B12", "Vitamina B12"},
        {"VITAMINA", "Vitamina"},
        {"VITAMINA E", "Vitamina E"},
        {"vitamina c", "Vitamina C"},
        {"VITAMINAS DO COMPLEXO B", "Vitaminas do complexo b"},
        // An accented capital first letter stays through the casing and then loses its
        // accent; a second run capitalises it.
        {"\xC1"
         "CIDO ASC\xD3RBICO",
         "acido ascorbico"},
        {"acido ascorbico", "Acido ascorbico"},
        {"CLORIDRATO DE FLUOXETINA", "Cloridrato de fluoxetina"},
        {"CAF\xC8INA", "Caf\xC8ina"}, // outside the accent table: keeps its case
        {"A\xC7\xDA"
         "CAR",
         "Acucar"},
        {"", ""},
        {"x", "X"},
        {"\xC9", "e"},
        {"\xC8", "\xC8"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(Converte_Codigo(in), out) << in;
}

TEST(BrLowerCase, ReplacesOnlyTheTableAndKeepsTheLength) {
    const std::string all = "\xC0\xC1\xC2\xC3\xE0\xE1\xE2\xE3\xC7\xE7\xC9\xCA\xE9\xEA\xCD\xED"
                            "\xD1\xF1\xD3\xD4\xD5\xF3\xF4\xF5\xDA\xDB\xDC\xFA\xFB\xFC";
    EXPECT_EQ(BrLowerCase(all), "aaaaaaaacceeeeiinnoooooouuuuuu");
    const std::string kept = "\xC8\xCB\xCC\xCE\xCF\xD2\xD6\xD9\xC4\xC5\xC6\xE8\xE4 AZaz09";
    EXPECT_EQ(BrLowerCase(kept), kept);
}

} // namespace
} // namespace rmnra
