#pragma once
// One owner per GDI or USER object the program creates. Stock objects and
// shared icons are never wrapped.
#include <windows.h>

#include <utility>

template <typename T, auto Close>
class unique_any {
 public:
  unique_any() = default;
  explicit unique_any(T handle) : handle_(handle) {
    if (handle_) ++live;
  }
  unique_any(unique_any&& other) noexcept : handle_(other.release()) {}
  unique_any& operator=(unique_any&& other) noexcept {
    reset(other.release());
    return *this;
  }
  unique_any(const unique_any&) = delete;
  unique_any& operator=(const unique_any&) = delete;
  ~unique_any() { reset(); }

  T get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  T release() {
    if (handle_) --live;
    return std::exchange(handle_, nullptr);
  }
  void reset(T handle = nullptr) {
    if (handle_) {
      Close(handle_);
      --live;
    }
    handle_ = handle;
    if (handle_) ++live;
  }

  // Handles of this kind owned right now, process-wide: what a leak test counts.
  static inline int live = 0;

 private:
  T handle_ = nullptr;
};

using unique_hfont = unique_any<HFONT, &::DeleteObject>;
using unique_hbrush = unique_any<HBRUSH, &::DeleteObject>;
using unique_hbitmap = unique_any<HBITMAP, &::DeleteObject>;
using unique_hicon = unique_any<HICON, &::DestroyIcon>;
using unique_hwnd = unique_any<HWND, &::DestroyWindow>;
using unique_hfile = unique_any<HANDLE, &::CloseHandle>;

// BeginPaint / EndPaint around a WM_PAINT.
class PaintGuard {
 public:
  explicit PaintGuard(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
  ~PaintGuard() { EndPaint(hwnd_, &ps_); }
  PaintGuard(const PaintGuard&) = delete;
  PaintGuard& operator=(const PaintGuard&) = delete;
  HDC dc() const { return dc_; }
  const RECT& area() const { return ps_.rcPaint; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// GetDC / ReleaseDC.
class WindowDC {
 public:
  explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// SelectObject, undone when the guard goes.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectGuard() {
    if (previous_) SelectObject(dc_, previous_);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};
