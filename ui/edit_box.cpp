// Edit boxes: the system's EDIT class with the layer's colours, font and height rule.
#include <string>

#include "app/heap.h"
#include "ui/controls.h"
#include "ui/gdi_resources.h"

namespace {

DWORD EditStyle(const EditSettings& s) {
  DWORD style = s.hideSelection ? 0 : ES_NOHIDESEL;
  if (s.multiLine) {
    style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (s.scrollBars == 1) style |= ES_AUTOHSCROLL | WS_HSCROLL;
    if (s.scrollBars == 2) style |= WS_VSCROLL;
    if (s.scrollBars == 3) style |= ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL;
  } else {
    style |= ES_AUTOHSCROLL;
  }
  if (s.alignment == 1) style |= ES_CENTER;
  if (s.alignment == 2) style |= ES_RIGHT;
  if (s.inputMode == 1) style |= ES_READONLY;
  if (s.inputMode == 2) style |= ES_PASSWORD;
  if (s.letterCase == 1) style |= ES_LOWERCASE;
  if (s.letterCase == 2) style |= ES_UPPERCASE;
  return style;
}

// One line of text in `font` and the edges: the least height of a single-line box.
int SingleLineHeight(HWND hwnd, HFONT font) {
  WindowDC dc(hwnd);
  SelectGuard select(dc.get(), font);
  SIZE extent{};
  GetTextExtentPoint32A(dc.get(), "国", 2, &extent);
  return extent.cy + 2 * GetSystemMetrics(SM_CYEDGE);
}

class EditControl : public UnitObject {
 public:
  EditControl(WindowRef ref, const EditSettings& settings)
      : UnitObject(ref, UnitKind::EditBox), settings_(settings), content_(settings.content),
        font_(MakeFont(settings.font)), back_(CreateSolidBrush(ResolveColour(settings.backColour))) {}

  void Finish(const UnitDescription& unit) {
    HFONT font = FontOrDefault(font_);
    if (!settings_.multiLine) {
      int least = SingleLineHeight(handle_, font);
      if (unit.height < least) SetWindowPos(handle_, nullptr, 0, 0, unit.width, least, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(handle_, EM_LIMITTEXT, settings_.maxLength > 0 ? static_cast<WPARAM>(settings_.maxLength) : 0, 0);
    if (settings_.inputMode == 2) SendMessageA(handle_, EM_SETPASSWORDCHAR, settings_.passwordChar, 0);
    SendMessageA(handle_, EM_SETSEL, static_cast<WPARAM>(settings_.selectionStart),
                 static_cast<LPARAM>(settings_.selectionStart + settings_.selectionLength));
    SendMessageA(handle_, EM_SCROLLCARET, 0, 0);
    ApplyControlBorder(handle_, settings_.borderStyle);
  }

  bool ClaimsEnter() const override { return settings_.multiLine && settings_.inputMode != 1; }

  void SetClassProperty(int index, const PropertyValue& value) override {
    if (index != 8) return;
    char scratch[16];
    content_ = AsText(value, scratch);
    holdChange_ = true;
    SetWindowTextA(handle_, content_.c_str());
    holdChange_ = false;
    SendMessageA(handle_, WM_COMMAND, MAKEWPARAM(controlId(), EN_CHANGE), reinterpret_cast<LPARAM>(handle_));
  }

  PropertyResult GetClassProperty(int index) override {
    if (index != 8) return static_cast<char*>(nullptr);
    int length = GetWindowTextLengthA(handle_);
    content_.assign(static_cast<std::size_t>(length) + 1, '\0');
    length = GetWindowTextA(handle_, content_.data(), length + 1);
    content_.resize(static_cast<std::size_t>(length));
    return NewText(content_);
  }

  void OnCommand(UINT code) override {
    if (code == EN_CHANGE && !holdChange_) Raise(Event::kContentChanged);
  }

  HBRUSH OnControlColour(HDC dc) override {
    SetTextColor(dc, static_cast<COLORREF>(settings_.textColour));
    SetBkColor(dc, ResolveColour(settings_.backColour));
    return back_.get();
  }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_COMMAND && reinterpret_cast<HWND>(lParam) == handle_) {
      OnCommand(HIWORD(wParam));  // the change a write of the content announces
      return 0;
    }
    return UnitObject::WindowProc(message, wParam, lParam);
  }

 private:
  EditSettings settings_;
  std::string content_;
  bool holdChange_ = false;
  unique_hfont font_;
  unique_hbrush back_;
};

}  // namespace

std::unique_ptr<UnitObject> BuildEditBox(const UnitDescription& unit, WindowRef ref, ControlPlace place) {
  const auto& settings = std::get<EditSettings>(unit.settings);
  auto edit = std::make_unique<EditControl>(ref, settings);
  if (!CreateControlWindow(*edit, unit, "EDIT", true, settings.content.c_str(), EditStyle(settings), place)) {
    return nullptr;
  }
  edit->Finish(unit);
  return edit;
}
