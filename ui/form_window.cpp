#include "ui/form_window.h"

#include "app/runtime.h"
#include "ui/gdi_resources.h"
#include "ui/window_layer.h"

namespace {

constexpr DWORD kFrameMask = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

struct WindowStyles {
  DWORD style = WS_CLIPCHILDREN;
  DWORD ex = 0;
};

WindowStyles StylesOf(const WindowSettings& s) {
  WindowStyles w;
  if (s.borderStyle != 0) {
    if (!s.title.empty() || s.controlBox) w.style |= WS_CAPTION | (s.controlBox ? WS_SYSMENU : 0);
    w.style |= WS_DLGFRAME;
    switch (s.borderStyle) {
      case 1: w.style |= WS_THICKFRAME; break;
      case 3: w.style |= WS_THICKFRAME; w.ex |= WS_EX_TOOLWINDOW; break;
      case 4: w.ex |= WS_EX_TOOLWINDOW; break;
      case 5: w.style |= WS_THICKFRAME; w.ex |= WS_EX_CLIENTEDGE; break;
      case 6: w.ex |= WS_EX_CLIENTEDGE; break;
      default: break;
    }
  }
  if (s.maximizeBox) w.style |= WS_MAXIMIZEBOX;
  if (s.minimizeBox) w.style |= WS_MINIMIZEBOX;
  return w;
}

// Title-bar bits as the settings want them (the system adds a caption to
// overlapped windows of its own accord).
DWORD WantedFrameBits(const WindowSettings& s) { return StylesOf(s).style & kFrameMask; }

HICON ExecutableIcon() {
  // Shared with the module: never destroyed.
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), IMAGE_ICON, 0, 0,
                                       LR_DEFAULTSIZE | LR_SHARED));
}

void MoveOverWorkArea(HWND hwnd) {
  RECT area{};
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoA(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info)) {
    area = info.rcWork;
  } else {
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  }
  MoveWindow(hwnd, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}

UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}

}  // namespace

FormWindow::FormWindow(WindowRef ref, const WindowSettings& settings, FormDescription pristine, bool modal)
    : UnitObject(ref, UnitKind::Window), settings_(settings), pristine_(std::move(pristine)), modal_(modal) {
  if (settings_.backColour != kDefaultColour) background_.reset(CreateSolidBrush(settings_.backColour));
}

bool FormWindow::Create(const UnitDescription& unit, HWND parent) {
  const WindowSettings& s = settings_;
  WindowStyles w = StylesOf(s);
  int x = unit.left, y = unit.top;
  if (s.startPosition == 1) {
    x = (GetSystemMetrics(SM_CXSCREEN) - unit.width) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - unit.height) / 2;
  }
  if (s.startPosition == 2) w.style |= WS_MINIMIZE;
  if (s.startPosition == 3 && (w.style & WS_THICKFRAME)) w.style |= WS_MAXIMIZE;
  HWND owner = parent;
  if (parent) {
    w.style = (w.style & ~(WS_CHILD | WS_POPUP)) | WS_POPUP;
  } else if (modal_ || !s.showInTaskbar) {
    owner = HiddenOwnerWindow();
  }
  const char* cls = RegisterUnitClass("ClickerForm", CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS, nullptr);
  HWND hwnd = CreateWindowExA(w.ex, cls, s.title.c_str(), w.style | UnitStyleBits(unit), x, y, unit.width,
                              unit.height, owner, nullptr, GetModuleHandleA(nullptr), this);
  if (!hwnd) return false;

  auto style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
  if ((style & kFrameMask) != WantedFrameBits(s)) {
    SetWindowLongPtrA(hwnd, GWL_STYLE, static_cast<LONG_PTR>((style & ~kFrameMask) | WantedFrameBits(s)));
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
  }
  RECT outer;
  GetWindowRect(hwnd, &outer);
  if (outer.right - outer.left != unit.width || outer.bottom - outer.top != unit.height) {
    SetWindowPos(hwnd, nullptr, x, y, unit.width, unit.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }

  bigIcon_.reset(IconFromBytes(s.icon.data, s.icon.size, 32));
  smallIcon_.reset(IconFromBytes(s.icon.data, s.icon.size, 16));
  HICON big = bigIcon_.get(), small = smallIcon_.get();
  if (!big && !small) big = small = ExecutableIcon();
  SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  if (s.alwaysOnTop) SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
  if (!s.movable) DeleteMenu(GetSystemMenu(hwnd, FALSE), SC_MOVE, MF_BYCOMMAND);
  return true;
}

void FormWindow::FirstShow() {
  HWND hwnd = handle_;
  switch (settings_.startPosition) {
    case 3:
      if (IsIconic(hwnd) || IsZoomed(hwnd)) ShowWindow(hwnd, SW_RESTORE);
      ShowWindow(hwnd, SW_SHOWMAXIMIZED);
      MoveOverWorkArea(hwnd);
      ShowWindow(hwnd, SW_SHOW);
      break;
    case 2: ShowWindow(hwnd, SW_SHOWMINIMIZED); break;
    default: ShowWindow(hwnd, SW_SHOW); break;
  }
  if (!IsWindow(hwnd)) return;
  HWND focus = GetFocus();
  if (focus == hwnd) {
    Raise(Event::kGetsFocus);
    return;
  }
  for (HWND h = focus; h && h != hwnd; h = GetParent(h)) {
    if (UnitObject* control = ControlByHandle(h)) {
      control->Raise(Event::kGetsFocus);
      return;
    }
  }
}

UnitObject* FormWindow::ControlByHandle(HWND hwnd) const {
  for (const auto& control : controls_) {
    if (control->handle() == hwnd) return control.get();
  }
  return nullptr;
}

UnitObject* FormWindow::ControlById(int id) const {
  for (const auto& control : controls_) {
    if (control->controlId() == id) return control.get();
  }
  return nullptr;
}

void FormWindow::FillBackground(HDC dc) {
  RECT client;
  GetClientRect(handle_, &client);
  FillRect(dc, &client, background_ ? background_.get() : GetSysColorBrush(COLOR_BTNFACE));
}

void FormWindow::HandleClose() {
  HWND hwnd = handle_;
  for (std::int32_t query : {Event::kCloseQueryFirst, Event::kCloseQuery}) {
    EventOutcome outcome = RaiseEvent(ref().windowId, ref().unitId, query);
    if (!IsWindow(hwnd)) return;
    if (outcome.handled && outcome.hasResult && outcome.result == 0) return;
  }
  DestroyWindow(hwnd);
}

void FormWindow::RaiseTrayEvent(LPARAM mouseMessage) {
  if (int kind = TrayEventKind(static_cast<UINT>(mouseMessage))) {
    EventArgs args;
    args.values[0] = kind;
    args.count = 1;
    Raise(Event::kTray, args);
  }
}

LRESULT FormWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      auto id = LOWORD(wParam);
      UnitObject* control = lParam ? ControlByHandle(reinterpret_cast<HWND>(lParam)) : nullptr;
      if (control && id < 20000) {
        control->OnCommand(HIWORD(wParam));
        return 0;
      }
      break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      if (UnitObject* control = ControlByHandle(reinterpret_cast<HWND>(lParam))) {
        if (HBRUSH brush = control->OnControlColour(reinterpret_cast<HDC>(wParam))) {
          return reinterpret_cast<LRESULT>(brush);
        }
      }
      break;
    case WM_ERASEBKGND: FillBackground(reinterpret_cast<HDC>(wParam)); return 1;
    case WM_MOVE: Raise(Event::kMoved); break;
    case WM_SIZE: Raise(Event::kResized); break;
    case WM_SHOWWINDOW: Raise(wParam ? Event::kShown : Event::kHidden); break;
    case WM_CLOSE: HandleClose(); return 0;
    case WM_NCACTIVATE:
      // Keeping the title active: answer a deactivation as an activation.
      if (settings_.keepTitleActive && !wParam) return DefaultProc(message, TRUE, lParam);
      break;
    case kDeferredDestroyMessage:
      if (destroyPending) {
        destroyPending = false;
        DestroyWindow(handle_);
      }
      return 0;
    case kTrayCallbackMessage: RaiseTrayEvent(lParam); return 0;
    case WM_DESTROY: {
      HWND hwnd = handle_;
      Raise(Event::kBeingDestroyed);
      if (IsWindow(hwnd)) RemoveTrayIcon(*this);
      break;
    }
    case WM_NCDESTROY: {
      LRESULT result = DefaultProc(message, wParam, lParam);
      Destroyed();
      return result;
    }
    default:
      if (message == TaskbarCreatedMessage()) RestoreTrayIcon(*this);
      break;
  }
  return DefaultProc(message, wParam, lParam);
}

void FormWindow::Destroyed() {
  handle_ = nullptr;
  if (FormDescription* form = FindFormDescription(ref().windowId)) *form = std::move(pristine_);
  if (!AnyWindowLoaded() && MessageLoopStarted()) PostQuitMessage(0);
  delete this;
}
