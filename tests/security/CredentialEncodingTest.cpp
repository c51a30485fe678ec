#include "security/CredentialEncoding.h"

#include <gtest/gtest.h>

using namespace rmnra;

// Bit-by-bit statement of the rule, to check the octet arithmetic against.
static std::string encodeByBits(const std::string& text) {
    std::string bits;
    for (unsigned char c : text)
        for (int i = 7; i >= 0; --i)
            bits += ((c >> i) & 1) ? '1' : '0';
    if (bits.empty())
        return {};
    std::string r = bits.substr(3) + bits.substr(0, 3);
    std::string out;
    for (size_t o = text.size(); o-- > 0;) {
        std::string oct = r.substr(o * 8, 8);
        out += static_cast<char>('A' + std::stoi(oct.substr(0, 4), nullptr, 2));
        out += static_cast<char>('A' + std::stoi(oct.substr(4, 4), nullptr, 2));
    }
    return out;
}

TEST(EncodeCredential, KnownValues) {
    EXPECT_EQ(EncodeCredential("ABC"), "BKBCAK");
    EXPECT_EQ(EncodeCredential(""), "");
    EXPECT_NE(EncodeCredential("abc"), EncodeCredential("ABC"));
    EXPECT_EQ(EncodeCredential("A").size(), 2u);
    EXPECT_EQ(EncodeCredential("ABCDEFGHIJKLMNO").size(), 30u);
}

TEST(EncodeCredential, AgreesWithTheBitRuleForAnyLength) {
    for (std::string s : {std::string("A"), std::string("DEMO"), std::string("1234"), std::string("JOS\xC9"), std::string("\xFF\x80\x01"),
                          std::string(31, 'Z'), std::string(40, '\xE7') + "x"})
        EXPECT_EQ(EncodeCredential(s), encodeByBits(s)) << s;
}

TEST(EncodeCredential, OutputUsesOnlyTheSixteenLetters) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    for (char c : EncodeCredential(all))
        EXPECT_TRUE(c >= 'A' && c <= 'P');
}
