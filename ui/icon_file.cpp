#include "ui/icon_file.h"

namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::size_t kImageFieldsSize = 16;  // biSize, biWidth, biHeight, biPlanes, biBitCount

std::uint16_t ReadU16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

std::uint32_t ReadU32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace

std::optional<IconImage> FindIconImage(const unsigned char* data, std::size_t length, int wantedWidth) {
  if (!data || length < kHeaderSize) return std::nullopt;
  std::uint16_t reserved = ReadU16(data), type = ReadU16(data + 2), count = ReadU16(data + 4);
  if (reserved != 0 || (type != 1 && type != 2) || count == 0) return std::nullopt;
  if (length < kHeaderSize + kEntrySize * count) return std::nullopt;

  const unsigned char* chosen = data + kHeaderSize + kEntrySize * (count - 1);
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned char* entry = data + kHeaderSize + kEntrySize * i;
    if (entry[2] >= 16 && entry[0] == wantedWidth) {
      chosen = entry;
      break;
    }
  }

  std::uint32_t size = ReadU32(chosen + 8), offset = ReadU32(chosen + 12);
  if (offset > length || size > length - offset || size < kImageFieldsSize) return std::nullopt;
  const unsigned char* bits = data + offset;
  auto width = static_cast<std::int32_t>(ReadU32(bits + 4));
  auto height = static_cast<std::int32_t>(ReadU32(bits + 8)) / 2;
  return IconImage{bits, size, width, height, ReadU16(bits + 14)};
}
