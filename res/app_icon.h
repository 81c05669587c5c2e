#pragma once
#include <cstddef>

// The icon file shown by both windows, their picture boxes and the tray:
// one 128 x 128 image of 32 bits per pixel with an alpha channel.
constexpr std::size_t kAppIconSize = 67646;
extern const unsigned char AppIcon[kAppIconSize];
