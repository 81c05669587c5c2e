#include "ui/unit_object.h"

#include "ui/window_layer.h"

namespace {

UnitObject* ObjectOf(HWND hwnd) { return reinterpret_cast<UnitObject*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)); }

}  // namespace

void UnitObject::Raise(std::int32_t event, EventArgs args) const {
  RaiseEvent(ref_.windowId, ref_.unitId, event, args);
}

void UnitObject::Attach(HWND hwnd) {
  handle_ = hwnd;
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void UnitObject::Subclass(HWND hwnd) {
  Attach(hwnd);
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&UnitWindowProc)));
}

LRESULT UnitObject::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (original_) return CallWindowProcA(original_, handle_, message, wParam, lParam);
  return DefWindowProcA(handle_, message, wParam, lParam);
}

LRESULT UnitObject::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefaultProc(message, wParam, lParam);
}

LRESULT CALLBACK UnitWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    if (auto* object = static_cast<UnitObject*>(create->lpCreateParams)) object->Attach(hwnd);
  }
  UnitObject* object = ObjectOf(hwnd);
  if (!object) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
  return object->WindowProc(message, wParam, lParam);
}

const char* RegisterUnitClass(const char* name, UINT style, HBRUSH background) {
  WNDCLASSA wc{};
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!GetClassInfoA(instance, name, &wc)) {
    wc = WNDCLASSA{};
    wc.style = style;
    wc.lpfnWndProc = UnitWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    RegisterClassA(&wc);
  }
  return name;
}

void ApplyControlBorder(HWND hwnd, int borderStyle) {
  constexpr DWORD kExMask = WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE;
  DWORD ex = 0, style = 0;
  switch (borderStyle) {
    case 1: ex = WS_EX_CLIENTEDGE; break;
    case 2: ex = WS_EX_DLGMODALFRAME; break;
    case 3: ex = WS_EX_STATICEDGE; break;
    case 4: ex = WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME; break;
    case 5: style = WS_BORDER; break;
    default: break;
  }
  auto oldEx = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_EXSTYLE));
  auto oldStyle = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
  SetWindowLongPtrA(hwnd, GWL_EXSTYLE, static_cast<LONG_PTR>((oldEx & ~kExMask) | ex));
  SetWindowLongPtrA(hwnd, GWL_STYLE, static_cast<LONG_PTR>((oldStyle & ~WS_BORDER) | style));
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

COLORREF ResolveColour(std::uint32_t colour) {
  return colour == kDefaultColour ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(colour);
}

DWORD UnitStyleBits(const UnitDescription& unit) {
  return (unit.disabled ? WS_DISABLED : 0u) | (unit.tabStop ? WS_TABSTOP : 0u);
}
