#pragma once

#include <string>

namespace rmnra {

// The suite's encoding of user names and passwords as stored in USUARIOS: the bits of
// the text rotated left by three, cut into octets taken last first, each written as two
// letters of "ABCDEFGHIJKLMNOP". Texts of any length are encoded by the same rule.
std::string EncodeCredential(const std::string& text);

} // namespace rmnra
