#include "book/QuantityText.h"

#include "common/RegionalSettings.h"

#include <gtest/gtest.h>

namespace rmnra {
namespace {

class QuantityText : public ::testing::Test {
protected:
    void SetUp() override { RegionalSettings::setCurrent(RegionalSettings::brazilian()); }
};

TEST_F(QuantityText, GeneralFormIsTheShortestDecimalText) {
    const std::pair<double, const char*> cases[] = {
        {10, "10"},
        {0.5, "0,5"},
        {1.25, "1,25"},
        {0.1 + 0.2, "0,3"}, // binary noise beyond 15 digits is dropped
        {100000, "100000"},
        {-2.5, "-2,5"},
        {0, "0"},
        {0.00001, "0,00001"},
        {0.0000015, "1,5E-6"},
        {1e15, "1E15"},
        {123456789012345.0, "123456789012345"},
        {1.0 / 3.0, "0,333333333333333"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(generalNumberText(value), text) << value;
    EXPECT_EQ(generalNumberText(std::nullopt), "");
}

TEST_F(QuantityText, OneDecimalMask) {
    const std::pair<double, const char*> cases[] = {
        {2, "2"},        {1.26, "1,3"}, {0.5, ",5"},  {0, ""},        {0.04, ""},
        {0.05, ",1"},    {0.15, ",2"},  {9.96, "10"}, {99.95, "100"}, {1234.5, "1234,5"},
        {-1.26, "-1,3"}, {10, "10"},    {1.04, "1"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(oneDecimalMaskText(value), text) << value;
}

TEST_F(QuantityText, DecimalSeparatorComesFromTheRegionalSettings) {
    RegionalSettings dot = RegionalSettings::brazilian();
    dot.decimalSeparator = '.';
    RegionalSettings::setCurrent(dot);
    EXPECT_EQ(generalNumberText(1.5), "1.5");
    EXPECT_EQ(oneDecimalMaskText(0.5), ".5");
}

} // namespace
} // namespace rmnra
