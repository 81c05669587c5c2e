#include "ui/key_code.h"

namespace {
constexpr std::uint32_t kShift = 0x10, kControl = 0x11, kMenu = 0x12;
constexpr std::uint32_t kNumpad0 = 0x60, kNumpad9 = 0x69;
}  // namespace

std::int32_t TranslateKeyCode(std::uint32_t virtualKey) {
  std::uint32_t vk = virtualKey & 0xFF;
  if (vk >= kNumpad0 && vk <= kNumpad9) return static_cast<std::int32_t>(vk - kNumpad0 + '0');
  switch (vk) {
    case 0x6D: return 0xBD;  // subtract -> minus
    case 0x6E: return 0xBE;  // decimal -> period
    case 0x6F: return 0xBF;  // divide -> slash
    default: return static_cast<std::int32_t>(vk);
  }
}

std::int32_t ModifierFlags(bool ctrlDown, bool shiftDown, bool altDown, std::uint32_t virtualKey) {
  std::uint32_t vk = virtualKey & 0xFF;
  // The left/right variants (0xA0 to 0xA5) never reach a key message, only the generic codes do.
  std::int32_t flags = 0;
  if (ctrlDown && vk != kControl) flags |= kModCtrl;
  if (shiftDown && vk != kShift) flags |= kModShift;
  if (altDown && vk != kMenu) flags |= kModAlt;
  return flags;
}
