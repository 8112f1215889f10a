#pragma once

#include <cstdint>

// Fixed drawing colours as 0x00BBGGRR values.
namespace Colours {
constexpr std::int32_t rgb(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }

constexpr std::int32_t Black = rgb(0, 0, 0);
constexpr std::int32_t Red = rgb(255, 0, 0);
constexpr std::int32_t Green = rgb(0, 255, 0);
constexpr std::int32_t Blue = rgb(0, 0, 255);
constexpr std::int32_t Yellow = rgb(255, 255, 0);
constexpr std::int32_t Magenta = rgb(255, 0, 255);
// Start values of the program-wide bead colours.
constexpr std::int32_t Rest = rgb(255, 224, 192);
constexpr std::int32_t Count = rgb(0, 255, 255);
}  // namespace Colours
