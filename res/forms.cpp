#include "res/forms.h"

#include <cstring>

std::vector<FormDescription> StoredForms() { return {MouseWindowForm(), KeyWindowForm()}; }

namespace {
void PutI32(FontBytes& bytes, std::size_t at, std::int32_t value) {
  auto u = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(u >> (8 * i));
}
constexpr std::size_t kHeightAt = 0, kWeightAt = 16, kCharSetAt = 23, kFaceAt = 28, kFaceSize = 32;
constexpr unsigned char kGb2312CharSet = 134;
}  // namespace

FontBytes MakeFontBytes(int height, int weight, const char* face) {
  FontBytes bytes(kLogFontSize, 0);
  PutI32(bytes, kHeightAt, height);
  PutI32(bytes, kWeightAt, weight);
  bytes[kCharSetAt] = kGb2312CharSet;  // the layer replaces it with DEFAULT_CHARSET
  std::size_t n = std::strlen(face);
  std::memcpy(&bytes[kFaceAt], face, n < kFaceSize ? n : kFaceSize - 1);
  return bytes;
}

UnitDescription MakeUnit(WindowRef ref, UnitKind kind, const char* name, int left, int top, int width, int height,
                         KindSettings settings) {
  UnitDescription unit;
  unit.id = ref.unitId;
  unit.kind = kind;
  unit.name = name;
  unit.left = left;
  unit.top = top;
  unit.width = width;
  unit.height = height;
  unit.visible = kind != UnitKind::Timer;
  unit.settings = std::move(settings);
  return unit;
}

UnitDescription MakeTitleButton(WindowRef ref, const char* name, int left, const char* caption, const char* handler) {
  ButtonSettings button;
  button.caption = caption;
  button.font = MakeFontBytes(-14, 700, "Arial");
  UnitDescription unit = MakeUnit(ref, UnitKind::Button, name, left, 0, 30, 15, button);
  unit.tabStop = true;
  unit.events = {{Event::kClicked, handler, {}}};
  return unit;
}
