// Labels: a layer class that paints its caption itself.
#include <string>

#include "ui/controls.h"
#include "ui/gdi_resources.h"
#include "app/heap.h"

namespace {

UINT DrawFormat(const LabelSettings& s) {
  UINT format = DT_NOCLIP;
  if (s.horizontalAlign == 1) format |= DT_CENTER;
  if (s.horizontalAlign == 2) format |= DT_RIGHT;
  if (s.wordWrap) return format | DT_WORDBREAK | DT_VCENTER;
  format |= DT_SINGLELINE;
  if (s.verticalAlign == 1) format |= DT_VCENTER;
  if (s.verticalAlign == 2) format |= DT_BOTTOM;
  return format;
}

void DrawTextAt(HDC dc, const std::string& text, RECT place, int dx, int dy, COLORREF colour, UINT format) {
  OffsetRect(&place, dx, dy);
  SetTextColor(dc, colour);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &place, format);
}

class LabelControl : public SelfPaintedControl {
 public:
  LabelControl(WindowRef ref, const LabelSettings& settings)
      : SelfPaintedControl(ref, UnitKind::Label, settings.backColour), settings_(settings), caption_(settings.caption),
        font_(MakeFont(settings.font)) {}

  void SetClassProperty(int index, const PropertyValue& value) override {
    if (index != 8) return;
    char scratch[16];
    caption_ = AsText(value, scratch);
    SetWindowTextA(handle_, caption_.c_str());
    InvalidateRect(handle_, nullptr, FALSE);
  }

  PropertyResult GetClassProperty(int index) override {
    return NewText(index == 8 ? caption_ : std::string());
  }

 private:
  void Draw(HDC dc, const RECT& client) override {
    if (caption_.empty()) return;
    SelectGuard font(dc, FontOrDefault(font_));
    SetBkMode(dc, TRANSPARENT);
    UINT format = DrawFormat(settings_);
    RECT place = client;
    const COLORREF white = RGB(255, 255, 255);
    switch (settings_.textEffect) {
      case 1: DrawTextAt(dc, caption_, place, 1, 1, white, format); break;
      case 2:
        DrawTextAt(dc, caption_, place, 0, 0, white, format);
        OffsetRect(&place, 1, 1);
        break;
      case 3: DrawTextAt(dc, caption_, place, 2, 2, RGB(0, 0, 0), format); break;
      default: break;
    }
    DrawTextAt(dc, caption_, place, 0, 0, static_cast<COLORREF>(settings_.textColour), format);
  }

  LabelSettings settings_;
  std::string caption_;
  unique_hfont font_;
};

}  // namespace

std::unique_ptr<UnitObject> BuildLabel(const UnitDescription& unit, WindowRef ref, ControlPlace place) {
  const auto& settings = std::get<LabelSettings>(unit.settings);
  auto label = std::make_unique<LabelControl>(ref, settings);
  const char* cls = RegisterUnitClass("ClickerLabel", CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS, nullptr);
  if (!CreateControlWindow(*label, unit, cls, false, settings.caption.c_str(), 0, place)) return nullptr;
  ApplyControlBorder(label->handle(), settings.borderStyle);
  return label;
}
