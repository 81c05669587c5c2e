#include "ui/tray.h"

#include <cstring>
#include <vector>

#include "app/error_report.h"
#include "ui/form_window.h"
#include "ui/gdi_resources.h"
#include "ui/window_layer.h"

NotifyIconFunction NotifyIcon = &Shell_NotifyIconA;

namespace {

// The record of the first shell version: 88 bytes in a 32-bit process; the
// same fields, pointer-sized, in a 64-bit one.
constexpr DWORD kRecordSize = NOTIFYICONDATAA_V1_SIZE;
constexpr std::size_t kTipBytes = 62;

FormWindow& LoadedWindow(WindowRef ref) {
  FormWindow* window = FindFormWindow(ref.windowId);
  if (!window) ReportRuntimeError("指定窗口或窗口组件不存在或尚未载入", 0);
  return *window;
}

HICON IconFromFileBytes(const unsigned char* data, std::size_t size) {
  if (!data || size == 0) return nullptr;
  HICON icon = IconFromBytes(data, size, 16);
  return icon ? icon : IconFromBytes(data, size, 32);
}

std::vector<unsigned char> ReadWholeFile(const char* path) {
  unique_hfile file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) {
    file.release();
    return {};
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 || size.QuadPart > 0x7FFFFFFF) return {};
  std::vector<unsigned char> bytes(static_cast<std::size_t>(size.QuadPart));
  DWORD read = 0;
  if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) return {};
  bytes.resize(read);
  return bytes;
}

NOTIFYICONDATAA Record(HWND hwnd, const char* tip) {
  NOTIFYICONDATAA record;
  std::memset(&record, 0, sizeof record);
  record.cbSize = kRecordSize;
  record.hWnd = hwnd;
  record.uID = kTrayIconId;
  if (tip) std::strncpy(record.szTip, tip, kTipBytes);  // cut at 62 bytes, even inside a character
  record.szTip[kTipBytes] = 0;
  return record;
}

void Announce(NOTIFYICONDATAA& record, HICON icon, DWORD command) {
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = kTrayCallbackMessage;
  record.hIcon = icon;
  NotifyIcon(command, &record);
}

// Steps 3 to 7: the new icon (owned, or null) becomes the window's tray icon.
void ApplyTrayIcon(FormWindow& window, HICON icon, const char* tip) {
  NOTIFYICONDATAA record = Record(window.handle(), tip);
  if (window.trayIcon()) {
    if (icon) {
      Announce(record, icon, NIM_MODIFY);
    } else {
      NotifyIcon(NIM_DELETE, &record);
    }
  } else if (icon) {
    Announce(record, icon, NIM_ADD);
  }
  window.ReplaceTrayIcon(icon);
  if (icon) window.lastTrayTip = tip ? tip : "";
}

}  // namespace

void SetTrayIcon(WindowRef ref, ByteArray icon, const char* tip) {
  FormWindow& window = LoadedWindow(ref);
  ApplyTrayIcon(window, IconFromFileBytes(icon.data, icon.size), tip);
}

void SetTrayIcon(WindowRef ref, const char* iconFile, const char* tip) {
  FormWindow& window = LoadedWindow(ref);
  HICON icon = nullptr;
  if (iconFile && *iconFile) {
    std::vector<unsigned char> bytes = ReadWholeFile(iconFile);
    icon = IconFromFileBytes(bytes.data(), bytes.size());
  }
  ApplyTrayIcon(window, icon, tip);
}

bool HasTrayIcon(WindowRef ref) {
  FormWindow* window = FindFormWindow(ref.windowId);
  return window && window->trayIcon();
}

void RemoveTrayIcon(FormWindow& window) {
  if (window.trayIcon()) ApplyTrayIcon(window, nullptr, nullptr);
}

void RestoreTrayIcon(FormWindow& window) {
  if (!window.trayIcon()) return;
  NOTIFYICONDATAA record = Record(window.handle(), window.lastTrayTip.c_str());
  Announce(record, window.trayIcon(), NIM_ADD);
}

int TrayEventKind(UINT mouseMessage) {
  switch (mouseMessage) {
    case WM_LBUTTONUP: return 1;
    case WM_LBUTTONDBLCLK: return 2;
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU: return 3;
    default: return 0;
  }
}
