#pragma once
// The live object of a built unit: a window or one of its controls.
#include <windows.h>

#include "ui/form_description.h"
#include "ui/property_value.h"

class UnitObject {
 public:
  UnitObject(WindowRef ref, UnitKind kind) : ref_(ref), kind_(kind) { ++liveCount_; }
  virtual ~UnitObject() { --liveCount_; }
  static int liveCount() { return liveCount_; }
  UnitObject(const UnitObject&) = delete;
  UnitObject& operator=(const UnitObject&) = delete;

  HWND handle() const { return handle_; }
  WindowRef ref() const { return ref_; }
  UnitKind kind() const { return kind_; }
  int controlId() const { return controlId_; }

  // Class properties (index 8 and on).
  virtual void SetClassProperty(int /*index*/, const PropertyValue& /*value*/) {}
  virtual PropertyResult GetClassProperty(int /*index*/) { return std::int32_t{0}; }
  // A notification this control sent to its window (WM_COMMAND), handed back.
  virtual void OnCommand(UINT /*code*/) {}
  // WM_CTLCOLOR* for this control: the brush to paint with, or null for the default.
  virtual HBRUSH OnControlColour(HDC /*dc*/) { return nullptr; }
  // A multi-line, writable edit box keeps Enter for itself.
  virtual bool ClaimsEnter() const { return false; }
  // Buttons of type 1 are clicked by Enter.
  virtual bool IsDefaultPushButton() const { return false; }
  // Raises this unit's event; true when a handler ran.
  void Raise(std::int32_t event, EventArgs args = {}) const;

  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  // Links a window created with this object as its creation parameter.
  void Attach(HWND hwnd);
  // Routes a system control's messages through WindowProc.
  void Subclass(HWND hwnd);
  void SetControlId(int id) { controlId_ = id; }

 protected:
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
  HWND handle_ = nullptr;

 private:
  WindowRef ref_;
  UnitKind kind_;
  int controlId_ = 0;
  WNDPROC original_ = nullptr;  // the system class's procedure, for subclassed controls
  static inline int liveCount_ = 0;
};

// The procedure of the layer's own classes and of subclassed controls.
LRESULT CALLBACK UnitWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers (once) a private class of the layer with the arrow cursor.
const char* RegisterUnitClass(const char* name, UINT style, HBRUSH background);

// Replaces the border bits of a label, edit box or picture box by those of `borderStyle`.
void ApplyControlBorder(HWND hwnd, int borderStyle);

// The GDI colour of a stored colour (the system default is the button face).
COLORREF ResolveColour(std::uint32_t colour);

// Common style bits of a unit: disabled, tab stop.
DWORD UnitStyleBits(const UnitDescription& unit);
