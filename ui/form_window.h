#pragma once
// The live object of a loaded window: its system window, its controls and
// everything its load created.
#include <memory>
#include <string>
#include <vector>

#include "ui/handles.h"
#include "ui/unit_object.h"

class FormWindow : public UnitObject {
 public:
  FormWindow(WindowRef ref, const WindowSettings& settings, FormDescription pristine, bool modal);

  // Creates the system window (styles, place, owner, frame, size, icons, font,
  // topmost, movable). False when the system refused it.
  bool Create(const UnitDescription& unit, HWND parent);
  void AddControl(std::unique_ptr<UnitObject> control) { controls_.push_back(std::move(control)); }

  const WindowSettings& settings() const { return settings_; }
  bool destroyPending = false;
  bool firstShowPending = false;

  // Shows the window for the first time after its load, by its start position.
  void FirstShow();
  // The tray icon now shown, if any; replaced icons are destroyed.
  HICON trayIcon() const { return trayIcon_.get(); }
  void ReplaceTrayIcon(HICON icon) { trayIcon_.reset(icon); }
  std::string lastTrayTip;  // to add the icon again after the shell restarted

  // The control whose system window is `hwnd`, or null.
  UnitObject* ControlByHandle(HWND hwnd) const;
  UnitObject* ControlById(int id) const;

  // Handles keyboard and mouse messages for this window or its controls before
  // they are dispatched; true when consumed.
  bool PreTranslate(MSG& msg);

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void HandleClose();
  void MoveFocus(bool backwards);
  bool HandleEnter(UnitObject* focused);
  void RaiseTrayEvent(LPARAM mouseMessage);
  void FillBackground(HDC dc);
  void Destroyed();  // after WM_NCDESTROY: restores the description and deletes this

  WindowSettings settings_;
  FormDescription pristine_;
  bool modal_;
  std::vector<std::unique_ptr<UnitObject>> controls_;
  unique_hicon bigIcon_, smallIcon_, trayIcon_;
  unique_hbrush background_;
};

// The loaded window of a description, or null.
FormWindow* FindFormWindow(std::uint32_t windowId);
// The loaded window that `hwnd` is, or lies inside; null for foreign windows.
FormWindow* FormWindowContaining(HWND hwnd);

// Tray: removes the icon of a window (the destruction's step) and adds it again
// after the shell restarted.
void RemoveTrayIcon(FormWindow& window);
void RestoreTrayIcon(FormWindow& window);
// Maps a mouse message reported for a tray icon to its event kind; 0 for none.
int TrayEventKind(UINT mouseMessage);
