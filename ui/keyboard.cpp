// Keyboard handling before dispatch: Tab order, Esc, Enter, and the key and
// mouse events of units.
#include <vector>

#include "ui/form_window.h"
#include "ui/key_code.h"
#include "ui/tab_order.h"
#include "ui/window_layer.h"

namespace {

bool IsKeyboardMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

std::int32_t CurrentModifiers(WPARAM virtualKey) {
  return ModifierFlags(GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_MENU) < 0,
                       static_cast<std::uint32_t>(virtualKey));
}

// The unit event a message raises, or 0 for none.
std::int32_t InputEventOf(UINT message) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: return Event::kKeyDown;
    case WM_KEYUP:
    case WM_SYSKEYUP: return Event::kKeyReleased;
    case WM_CHAR: return Event::kChar;
    case WM_LBUTTONDOWN: return Event::kLeftDown;
    case WM_LBUTTONUP: return Event::kLeftUp;
    case WM_LBUTTONDBLCLK: return Event::kLeftDoubleClick;
    case WM_RBUTTONDOWN: return Event::kRightDown;
    case WM_RBUTTONUP: return Event::kRightUp;
    case WM_MOUSEMOVE: return Event::kMouseMove;
    case WM_MOUSEWHEEL: return Event::kMouseWheel;
    default: return 0;
  }
}

EventArgs InputEventArgs(const MSG& msg, std::int32_t event) {
  EventArgs args;
  if (event == Event::kKeyDown || event == Event::kKeyReleased) {
    args.values[0] = TranslateKeyCode(static_cast<std::uint32_t>(msg.wParam));
    args.values[1] = CurrentModifiers(msg.wParam);
    args.count = 2;
  } else if (event == Event::kChar) {
    args.values[0] = static_cast<std::int32_t>(msg.wParam);
    args.count = 1;
  } else {  // mouse: the point in the target's client area
    args.values[0] = static_cast<short>(LOWORD(msg.lParam));
    args.values[1] = static_cast<short>(HIWORD(msg.lParam));
    args.count = 2;
  }
  return args;
}

}  // namespace

void FormWindow::MoveFocus(bool backwards) {
  const FormDescription* form = FindFormDescription(ref().windowId);
  std::vector<TabCandidate> candidates;
  int current = -1;
  HWND focus = GetFocus();
  for (std::size_t i = 1; i < form->units.size(); ++i) {
    const UnitDescription& unit = form->units[i];
    if (!unit.live || unit.kind == UnitKind::Timer || !unit.tabStop) continue;
    HWND hwnd = unit.live->handle();
    if (!IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd)) continue;
    candidates.push_back({static_cast<int>(i), unit.focusOrder});
    if (hwnd == focus) current = static_cast<int>(i);
  }
  int next = NextTabStop(OrderTabStops(candidates), current, backwards);
  if (next >= 0) SetFocus(form->units[static_cast<std::size_t>(next)].live->handle());
}

bool FormWindow::HandleEnter(UnitObject* focused) {
  if (focused && focused->IsDefaultPushButton() && IsWindowEnabled(focused->handle())) {
    focused->Raise(Event::kClicked);
    return true;
  }
  if (settings_.enterMovesFocus) {
    MoveFocus(false);
    return true;
  }
  const FormDescription* form = FindFormDescription(ref().windowId);
  for (std::size_t i = 1; i < form->units.size(); ++i) {
    UnitObject* unit = form->units[i].live;
    if (unit && unit->IsDefaultPushButton() && IsWindowEnabled(unit->handle())) {
      unit->Raise(Event::kClicked);
      return true;
    }
  }
  return false;
}

bool FormWindow::PreTranslate(MSG& msg) {
  if (IsKeyboardMessage(msg.message) && !IsWindowEnabled(msg.hwnd)) return false;
  HWND self = handle_;
  if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
    std::int32_t modifiers = CurrentModifiers(msg.wParam);
    UnitObject* focused = ControlByHandle(GetFocus());
    switch (msg.wParam & 0xFF) {
      case VK_TAB:
        if (modifiers == 0 || modifiers == kModShift) {
          MoveFocus(modifiers == kModShift);
          return true;
        }
        break;
      case VK_ESCAPE:
        if (modifiers == 0 && settings_.escCloses) {
          SendMessageA(self, WM_CLOSE, 0, 0);
          return true;
        }
        break;
      case VK_RETURN:
        if (modifiers == 0 && !(focused && focused->ClaimsEnter()) && HandleEnter(focused)) return true;
        break;
      default: break;
    }
  }
  std::int32_t event = InputEventOf(msg.message);
  if (!event) return false;
  UnitObject* target = msg.hwnd == self ? this : ControlByHandle(msg.hwnd);
  if (!target) return false;
  EventOutcome outcome = RaiseEvent(target->ref().windowId, target->ref().unitId, event, InputEventArgs(msg, event));
  if (outcome.handled && outcome.hasResult) {
    if (outcome.result == 0) return true;
    if (msg.message == WM_CHAR) msg.wParam = static_cast<WPARAM>(outcome.result);
  }
  return !IsWindow(self);
}

bool FilterMessage(MSG& msg) {
  FormWindow* window = FormWindowContaining(msg.hwnd);
  return window && window->PreTranslate(msg);
}
