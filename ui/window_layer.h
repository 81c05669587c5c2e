#pragma once
// The operations handlers are written against: load and destroy windows, get
// their handles, read and write properties, and (for the layer's own units)
// raise events.
#include <windows.h>

#include <cstdint>

#include "ui/form_description.h"
#include "ui/property_value.h"

// While 1 or more, raising an event does nothing.
extern int EventSuppressionCount;

bool LoadWindow(WindowRef window, const WindowRef* parent = nullptr, bool modal = false);
void DestroyFormWindow(WindowRef window, bool atOnce = false);
HWND GetWindowHandle(WindowRef unit);
void SetProperty(WindowRef unit, int index, PropertyValue value);
PropertyResult GetProperty(WindowRef unit, int index);
char* GetTextProperty(WindowRef unit, int index);  // new heap text or nullptr; FreeText it
bool GetBoolProperty(WindowRef unit, int index);

struct EventOutcome {
  bool handled = false;
  bool hasResult = false;
  std::int32_t result = 0;
};
EventOutcome RaiseEvent(std::uint32_t windowId, std::uint32_t unitId, std::int32_t event, EventArgs args = {});

// Whether the window (or unit) has a live object whose handle is a window.
bool IsWindowLoaded(WindowRef unit);

// Property indices the handlers use.
constexpr int kVisibleProperty = 5;
constexpr int kClassProperty = 8;  // caption, content, period

// The message loop's pre-translation (keyboard handling); true when consumed.
bool FilterMessage(MSG& msg);

// One retrieved message as the loop handles it: pre-translation, then
// TranslateMessage and DispatchMessageA unless consumed.
void HandleLoopMessage(MSG& msg);

// Dispatches the messages already waiting, leaving a WM_QUIT queued.
void PumpWaitingMessages();

// Private messages of the layer's windows.
constexpr UINT kTrayCallbackMessage = 0x8064;
constexpr UINT kDeferredDestroyMessage = 0x8065;
