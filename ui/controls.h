#pragma once
// Builders of the controls a window holds, one per kind.
#include <memory>

#include "ui/unit_object.h"

// A control of the layer's own class that paints all of itself: the whole
// client area in its back colour first, then what Draw adds.
class SelfPaintedControl : public UnitObject {
 public:
  SelfPaintedControl(WindowRef ref, UnitKind kind, std::uint32_t backColour)
      : UnitObject(ref, kind), backColour_(backColour) {}
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  virtual void Draw(HDC dc, const RECT& client) = 0;

 private:
  std::uint32_t backColour_;
};

struct ControlPlace {
  HWND parent;
  int id;  // the control identifier the load gives it
};

std::unique_ptr<UnitObject> BuildLabel(const UnitDescription& unit, WindowRef ref, ControlPlace place);
std::unique_ptr<UnitObject> BuildButton(const UnitDescription& unit, WindowRef ref, ControlPlace place);
std::unique_ptr<UnitObject> BuildEditBox(const UnitDescription& unit, WindowRef ref, ControlPlace place);
std::unique_ptr<UnitObject> BuildPicBox(const UnitDescription& unit, WindowRef ref, ControlPlace place);
std::unique_ptr<UnitObject> BuildTimer(const UnitDescription& unit, WindowRef ref, ControlPlace place);

// The builder of the unit's kind; null when the control could not be created.
std::unique_ptr<UnitObject> BuildControl(const UnitDescription& unit, WindowRef ref, ControlPlace place);

// Creates a child window for `object` and links it. `className` is a layer class
// (object attached at WM_NCCREATE) or a system class (subclassed afterwards).
bool CreateControlWindow(UnitObject& object, const UnitDescription& unit, const char* className, bool systemClass,
                         const char* text, DWORD style, ControlPlace place);
