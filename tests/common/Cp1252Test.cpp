#include "common/Cp1252.h"

#include <gtest/gtest.h>

using namespace rmnra;

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    auto back = utf8ToCp1252(cp1252ToUtf8(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Cp1252, MapsTheHighCodesToTheirCharacters) {
    struct Case {
        std::string cp1252;
        std::string utf8;
    } cases[] = {
        {"\x80", "\u20AC"},                  // euro sign
        {"\x93" "A\x94", "\u201C" "A\u201D"}, // curly quotes
        {"MAR\xC7O", "MAR\u00C7O"},
        {"\xA0", "\u00A0"},                  // no-break space of the placeholder row
        {"\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D"}, // undefined codes
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp1252ToUtf8(c.cp1252), c.utf8);
        EXPECT_EQ(utf8ToCp1252(c.utf8), c.cp1252);
    }
}

TEST(Cp1252, RefusesWhatItCannotHold) {
    for (std::string bad : {std::string("\u4E2D"), std::string("\xC3"), std::string("\xFF"),
                            std::string("\xC0\xAF"), std::string("a\xE2\x82")})
        EXPECT_FALSE(utf8ToCp1252(bad).has_value()) << bad;
}
