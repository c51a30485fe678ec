#include "CredentialEncoding.h"

#include <vector>

namespace rmnra {

std::string EncodeCredential(const std::string& text) {
    const size_t n = text.size();
    if (n == 0)
        return {};
    // Rotating the whole bit string left by three: each octet takes its own low five bits
    // followed by the top three bits of the next octet (the last wraps to the first).
    std::vector<unsigned char> rotated(n);
    for (size_t i = 0; i < n; ++i) {
        auto cur = static_cast<unsigned char>(text[i]);
        auto next = static_cast<unsigned char>(text[(i + 1) % n]);
        rotated[i] = static_cast<unsigned char>((cur << 3) | (next >> 5));
    }
    static const char kLetters[] = "ABCDEFGHIJKLMNOP";
    std::string out;
    out.reserve(2 * n);
    for (size_t i = n; i-- > 0;) {
        out += kLetters[rotated[i] >> 4];
        out += kLetters[rotated[i] & 0x0F];
    }
    return out;
}

} // namespace rmnra
