#include "Text.h"

namespace rmnra {

std::string upperAscii(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

std::string lowerAscii(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string cutTo(const std::string& s, size_t width) {
    return s.size() <= width ? s : s.substr(0, width);
}

std::string formatCnpj(const std::string& d) {
    auto part = [&](size_t from, size_t len) {
        return from < d.size() ? d.substr(from, len) : std::string();
    };
    return part(0, 2) + "." + part(2, 3) + "." + part(5, 3) + "/" + part(8, 4) + "-" + part(12, 2);
}

} // namespace rmnra
