#pragma once

#include <array>
#include <cstddef>

namespace rmnra {

inline constexpr size_t kSettingsKeyCount = 135;
inline constexpr size_t kSettingsKeyLength = 48;

// Width of a key's place: a number of characters, the whole value, or the colour integer.
inline constexpr int kWhole = -1;
inline constexpr int kInteger = -2;

struct SettingsKey {
    const char* text; // exactly 48 characters, dots and the colon included
    int width;
};

extern const std::array<SettingsKey, kSettingsKeyCount> kSettingsKeys;

} // namespace rmnra
