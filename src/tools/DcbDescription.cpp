#include "DcbDescription.h"

#include "common/Text.h"

#include <array>

namespace rmnra {
namespace {

constexpr std::array<char, 256> makeAccentTable() {
    std::array<char, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[c] = static_cast<char>(c);
    auto set = [&t](int from, int to, char plain) {
        for (int c = from; c <= to; ++c)
            t[c] = plain;
    };
    set(192, 195, 'a');
    set(224, 227, 'a');
    set(199, 199, 'c');
    set(231, 231, 'c');
    set(201, 202, 'e');
    set(233, 234, 'e');
    set(205, 205, 'i');
    set(237, 237, 'i');
    set(209, 209, 'n');
    set(241, 241, 'n');
    set(211, 213, 'o');
    set(243, 245, 'o');
    set(218, 220, 'u');
    set(250, 252, 'u');
    return t;
}

constexpr std::array<char, 256> kAccentTable = makeAccentTable();

char upperIfSmall(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

std::string BrLowerCase(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        c = kAccentTable[static_cast<unsigned char>(c)];
    return out;
}

std::string Converte_Codigo(const std::string& text) {
    std::string s = lowerAscii(text);
    if (!s.empty())
        s[0] = upperIfSmall(s[0]);
    if (lowerAscii(s.substr(0, 8)) == "vitamina" && s.size() >= 10)
        s[9] = upperIfSmall(s[9]);
    return BrLowerCase(s);
}

} // namespace rmnra
