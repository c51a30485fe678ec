#include "common/Text.h"

#include <gtest/gtest.h>

using namespace rmnra;

TEST(Text, CasingTouchesOnlyAsciiLetters) {
    EXPECT_EQ(upperAscii("a\xE1z\xE7-9"), "A\xE1Z\xE7-9");
    EXPECT_EQ(lowerAscii("A\xC1Z\xC7"), "a\xC1z\xC7");
}

TEST(Text, CutsToColumnWidth) {
    EXPECT_EQ(cutTo("123", 2), "12");
    EXPECT_EQ(cutTo("12", 2), "12");
    EXPECT_EQ(cutTo("", 2), "");
}

TEST(Text, FormatsCnpjKeepingPunctuation) {
    EXPECT_EQ(formatCnpj("12345678000195"), "12.345.678/0001-95");
    EXPECT_EQ(formatCnpj("123456780001"), "12.345.678/0001-");
    EXPECT_EQ(formatCnpj(""), "../-");
}
