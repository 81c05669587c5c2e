#include "ui/controls.h"

#include "ui/handles.h"

std::unique_ptr<UnitObject> BuildControl(const UnitDescription& unit, WindowRef ref, ControlPlace place) {
  switch (unit.kind) {
    case UnitKind::Label: return BuildLabel(unit, ref, place);
    case UnitKind::Button: return BuildButton(unit, ref, place);
    case UnitKind::EditBox: return BuildEditBox(unit, ref, place);
    case UnitKind::PicBox: return BuildPicBox(unit, ref, place);
    case UnitKind::Timer: return BuildTimer(unit, ref, place);
    case UnitKind::Window: break;
  }
  return nullptr;
}

bool CreateControlWindow(UnitObject& object, const UnitDescription& unit, const char* className, bool systemClass,
                         const char* text, DWORD style, ControlPlace place) {
  HWND hwnd = CreateWindowExA(0, className, text, WS_CHILD | WS_CLIPSIBLINGS | UnitStyleBits(unit) | style,
                              unit.left, unit.top, unit.width, unit.height, place.parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.id)), GetModuleHandleA(nullptr),
                              systemClass ? nullptr : &object);
  if (!hwnd) return false;
  if (systemClass) object.Subclass(hwnd);
  object.SetControlId(place.id);
  return true;
}

LRESULT SelfPaintedControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) return 1;  // the paint covers everything
  if (message != WM_PAINT) return UnitObject::WindowProc(message, wParam, lParam);
  PaintGuard paint(handle_);
  RECT client;
  GetClientRect(handle_, &client);
  unique_hbrush back(CreateSolidBrush(ResolveColour(backColour_)));
  FillRect(paint.dc(), &client, back.get());
  Draw(paint.dc(), client);
  return 0;
}
