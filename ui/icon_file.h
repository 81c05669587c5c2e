#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

// One image chosen from an icon (or cursor) file, as a view into the file's bytes.
struct IconImage {
  const unsigned char* bits;  // the image: bitmap header, pixels, mask
  std::size_t size;
  std::int32_t width;         // from the bitmap header
  std::int32_t height;        // half the header's height (colour and mask halves)
  std::uint16_t bitCount;
};

// Picks the first directory entry of at least 16 colours and `wantedWidth`
// pixels, else the last entry. Never reads outside [data, data + length):
// anything short, out of range or malformed gives nothing.
std::optional<IconImage> FindIconImage(const unsigned char* data, std::size_t length, int wantedWidth);
