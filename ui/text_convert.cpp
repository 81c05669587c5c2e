#include "ui/text_convert.h"

#include <cstring>

#include "app/heap.h"

namespace {

// The double-byte characters that TextToInt reads as one ASCII byte; 0 for the rest.
unsigned char NarrowFullWidth(unsigned char lead, unsigned char trail) {
  if (lead == 0xA1) {
    switch (trail) {
      case 0xA1: return 0x20;  // ideographic space
      case 0xAB: return 0x7E;  // full-width tilde
      case 0xEE:               // white star
      case 0xEF: return 0x2A;  // black star
      default: return 0;
    }
  }
  if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return static_cast<unsigned char>(trail - 0x80);
  return 0;
}

// Copies `text` into `out` with the full-width table applied; a lone lead byte
// at the end is dropped. `out` holds at least strlen(text) + 1 bytes.
void NormaliseDigits(const unsigned char* text, unsigned char* out) {
  while (*text) {
    unsigned char lead = *text++;
    if (lead < 0x80) {
      *out++ = lead;
      continue;
    }
    unsigned char trail = *text;
    if (trail == 0) break;
    ++text;
    if (unsigned char narrow = NarrowFullWidth(lead, trail)) {
      *out++ = narrow;
    } else {
      *out++ = lead;
      *out++ = trail;
    }
  }
  *out = 0;
}

bool IsSpace(unsigned char c) { return c == 0x20 || (c >= 0x09 && c <= 0x0D); }

std::int32_t ReadDecimal(const unsigned char* p) {
  while (IsSpace(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = (*p++ == '-');
  std::uint32_t value = 0;  // unsigned, so that overflow wraps as defined behaviour
  while (*p >= '0' && *p <= '9') value = value * 10u + static_cast<std::uint32_t>(*p++ - '0');
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

}  // namespace

std::int32_t TextToInt(const char* text) {
  auto* work = static_cast<unsigned char*>(AllocBlock(std::strlen(text) + 1));
  NormaliseDigits(reinterpret_cast<const unsigned char*>(text), work);
  std::int32_t value = ReadDecimal(work);
  FreeBlock(work);
  return value;
}

char* CharFromCode(std::int32_t code) {
  auto byte = static_cast<char>(code & 0xFF);
  if (byte == 0) return nullptr;
  auto* text = static_cast<char*>(AllocBlock(2));
  text[0] = byte;
  text[1] = 0;
  return text;
}

std::int32_t CharCode(const char* text, std::optional<std::int32_t> position) {
  auto length = static_cast<std::int64_t>(std::strlen(text));
  std::int64_t index = position ? static_cast<std::int64_t>(*position) - 1 : 0;
  if (position && (index < 0 || index >= length)) return 0;
  return static_cast<signed char>(text[index]);
}

std::int32_t CompareText(const char* a, const char* b) {
  if (!a) return (!b || !*b) ? 0 : -1;
  if (!b) return *a ? 1 : 0;
  int order = std::strcmp(a, b);  // strcmp compares as unsigned char
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}
