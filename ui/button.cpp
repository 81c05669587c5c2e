// Buttons: the system's BUTTON class, clicked events from BN_CLICKED.
#include "ui/controls.h"
#include "ui/gdi_resources.h"

namespace {

DWORD AlignBits(int horizontal, int vertical) {
  static const DWORD kHorizontal[] = {BS_LEFT, BS_CENTER, BS_RIGHT};
  static const DWORD kVertical[] = {BS_TOP, BS_VCENTER, BS_BOTTOM};
  return kHorizontal[horizontal >= 0 && horizontal <= 2 ? horizontal : 1] |
         kVertical[vertical >= 0 && vertical <= 2 ? vertical : 1];
}

class ButtonControl : public UnitObject {
 public:
  ButtonControl(WindowRef ref, const ButtonSettings& settings)
      : UnitObject(ref, UnitKind::Button), defaultPush_(settings.buttonType == 1), font_(MakeFont(settings.font)) {}

  HFONT font() const { return FontOrDefault(font_); }
  bool IsDefaultPushButton() const override { return defaultPush_; }

  void OnCommand(UINT code) override {
    if (code == BN_CLICKED) Raise(Event::kClicked);
  }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    LRESULT result = UnitObject::WindowProc(message, wParam, lParam);
    if (message == WM_SETFOCUS) Raise(Event::kGetsFocus);
    return result;
  }

 private:
  bool defaultPush_;
  unique_hfont font_;
};

}  // namespace

std::unique_ptr<UnitObject> BuildButton(const UnitDescription& unit, WindowRef ref, ControlPlace place) {
  const auto& settings = std::get<ButtonSettings>(unit.settings);
  auto button = std::make_unique<ButtonControl>(ref, settings);
  DWORD style = BS_MULTILINE | (settings.buttonType == 1 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                AlignBits(settings.horizontalAlign, settings.verticalAlign);
  if (!CreateControlWindow(*button, unit, "BUTTON", true, settings.caption.c_str(), style, place)) return nullptr;
  SendMessageA(button->handle(), WM_SETFONT, reinterpret_cast<WPARAM>(button->font()), FALSE);
  return button;
}
