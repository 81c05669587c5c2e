// Picture boxes: a layer class that draws an icon by its display mode.
#include <algorithm>

#include "ui/controls.h"
#include "ui/gdi_resources.h"

namespace {

RECT PictureRect(int mode, SIZE box, SIZE picture) {
  if (mode == 0) return {0, 0, picture.cx, picture.cy};
  if (mode != 2) return {0, 0, box.cx, box.cy};
  double scale = 1.0;
  if (picture.cx > box.cx || picture.cy > box.cy) {
    scale = std::min(static_cast<double>(box.cx) / picture.cx, static_cast<double>(box.cy) / picture.cy);
  }
  int w = static_cast<int>(picture.cx * scale), h = static_cast<int>(picture.cy * scale);
  int x = (box.cx - w) / 2, y = (box.cy - h) / 2;
  return {x, y, x + w, y + h};
}

class PicControl : public SelfPaintedControl {
 public:
  PicControl(WindowRef ref, const PicSettings& settings)
      : SelfPaintedControl(ref, UnitKind::PicBox, settings.backColour), settings_(settings),
        picture_(IconFromBytes(settings.picture.data, settings.picture.size, 32)) {}

  SIZE pictureSize() const { return IconSize(picture_.get()); }

 private:
  void Draw(HDC dc, const RECT& client) override {
    if (!picture_) return;
    RECT r = PictureRect(settings_.displayMode, {client.right, client.bottom}, pictureSize());
    DrawIconEx(dc, r.left, r.top, picture_.get(), r.right - r.left, r.bottom - r.top, 0, nullptr, DI_NORMAL);
  }

  PicSettings settings_;
  unique_hicon picture_;
};

}  // namespace

std::unique_ptr<UnitObject> BuildPicBox(const UnitDescription& unit, WindowRef ref, ControlPlace place) {
  const auto& settings = std::get<PicSettings>(unit.settings);
  auto pic = std::make_unique<PicControl>(ref, settings);
  const char* cls = RegisterUnitClass("ClickerPicture", 0, nullptr);
  if (!CreateControlWindow(*pic, unit, cls, false, "", 0, place)) return nullptr;
  if (settings.displayMode == 3) {
    SIZE size = pic->pictureSize();
    SetWindowPos(pic->handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ApplyControlBorder(pic->handle(), settings.borderStyle);
  return pic;
}
