#include "ui/window_layer.h"

#include <string>

#include "app/error_report.h"
#include "app/heap.h"
#include "ui/controls.h"
#include "ui/form_window.h"

int EventSuppressionCount = 0;

namespace {

constexpr char kNotLoaded[] = "指定窗口或窗口组件不存在或尚未载入";
constexpr char kNoSuchWindow[] = "未载入欲访问窗口组件所在的窗口";
constexpr char kWindowNotLoaded[] = "指定窗口尚未载入";

UnitDescription* FindUnit(WindowRef ref) {
  FormDescription* form = FindFormDescription(ref.windowId);
  if (!form) return nullptr;
  int index = FindUnitIndex(*form, ref.unitId);
  return index < 0 ? nullptr : &form->units[static_cast<std::size_t>(index)];
}

UnitObject* LiveObject(const UnitDescription* unit) {
  return unit && unit->live && IsWindow(unit->live->handle()) ? unit->live : nullptr;
}

// The unit a property operation names; reports a window id of no description.
UnitDescription& UnitForProperty(WindowRef ref) {
  UnitDescription* unit = FindUnit(ref);
  if (!unit) ReportRuntimeError(kNoSuchWindow, 0);
  return *unit;
}

// Undoes a load that could not build its window.
void AbandonLoad(FormWindow* window, FormDescription& form, const FormDescription& pristine) {
  if (window->handle()) {
    DestroyWindow(window->handle());  // its destruction restores the description and deletes it
  } else {
    form = pristine;
    delete window;
  }
}

// Builds the controls from the last unit to the second, linking each; false when one fails.
bool BuildControls(FormWindow& window, FormDescription& form) {
  int id = 100;
  for (std::size_t i = form.units.size() - 1; i >= 1; --i) {
    UnitDescription& unit = form.units[i];
    WindowRef ref{form.windowId, unit.id};
    std::unique_ptr<UnitObject> control = BuildControl(unit, ref, {window.handle(), id});
    if (!control) return false;
    unit.live = control.get();
    window.AddControl(std::move(control));
    id += 10;
  }
  return true;
}

void StackAndShowControls(const FormDescription& form) {
  HWND after = HWND_TOP;
  for (std::size_t i = 1; i < form.units.size(); ++i) {
    HWND hwnd = form.units[i].live->handle();
    SetWindowPos(hwnd, after, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    after = hwnd;
  }
  for (std::size_t i = form.units.size() - 1; i >= 1; --i) {
    const UnitDescription& unit = form.units[i];
    bool show = unit.visible && unit.kind != UnitKind::Timer;
    ShowWindow(unit.live->handle(), show ? SW_SHOWNA : SW_HIDE);
  }
}

// Steps 5 to 11 of a load: the units built while events are held back.
FormWindow* BuildWindow(FormDescription& form, HWND parent, bool modal) {
  PumpWaitingMessages();
  ++EventSuppressionCount;
  FormDescription pristine = form;
  UnitDescription& self = form.units[0];
  auto* window = new FormWindow({form.windowId, self.id}, std::get<WindowSettings>(self.settings), pristine, modal);
  self.live = window;
  bool built = window->Create(self, parent) && BuildControls(*window, form);
  if (built) StackAndShowControls(form);
  PumpWaitingMessages();
  if (EventSuppressionCount > 0) --EventSuppressionCount;
  if (!built) {
    AbandonLoad(window, form, pristine);
    return nullptr;
  }
  return window;
}

}  // namespace

FormWindow* FindFormWindow(std::uint32_t windowId) {
  FormDescription* form = FindFormDescription(windowId);
  if (!form || form->units.empty()) return nullptr;
  return static_cast<FormWindow*>(LiveObject(&form->units[0]));
}

FormWindow* FormWindowContaining(HWND hwnd) {
  for (const FormDescription& form : FormDescriptions()) {
    FormWindow* window = FindFormWindow(form.windowId);
    if (window && hwnd && (window->handle() == hwnd || IsChild(window->handle(), hwnd))) return window;
  }
  return nullptr;
}

bool IsWindowLoaded(WindowRef unit) { return LiveObject(FindUnit(unit)) != nullptr; }

bool LoadWindow(WindowRef ref, const WindowRef* parent, bool modal) {
  FormWindow* parentWindow = parent ? FindFormWindow(parent->windowId) : nullptr;
  if (parent && !parentWindow) return false;
  FormDescription* form = FindFormDescription(ref.windowId);
  if (!form) return false;
  if (FormWindow* loaded = FindFormWindow(ref.windowId)) {
    if (!loaded->destroyPending) {
      if (IsIconic(loaded->handle())) {
        ShowWindow(loaded->handle(), SW_RESTORE);
      } else {
        SetActiveWindow(loaded->handle());
      }
      return true;
    }
    loaded->destroyPending = false;
    DestroyWindow(loaded->handle());
  }
  HWND parentHandle = nullptr;
  if (!modal && parentWindow) {
    parentHandle = parentWindow->handle();
    if (!IsWindow(parentHandle)) return false;
  }
  FormWindow* window = BuildWindow(*form, parentHandle, modal);
  if (!window) return false;

  HWND hwnd = window->handle();
  for (std::int32_t event : {Event::kCreated, Event::kMoved, Event::kResized}) {
    window->Raise(event);
    if (!IsWindow(hwnd)) return true;
  }
  if (form->units[0].visible) window->FirstShow();
  if (IsWindow(hwnd)) window->firstShowPending = true;
  return true;
}

void DestroyFormWindow(WindowRef ref, bool atOnce) {
  FormWindow* window = FindFormWindow(ref.windowId);
  if (!window) ReportRuntimeError(kNotLoaded, 0);
  window->destroyPending = true;
  if (atOnce) {
    SendMessageA(window->handle(), kDeferredDestroyMessage, 0, 0);
  } else {
    PostMessageA(window->handle(), kDeferredDestroyMessage, 0, 0);
  }
}

HWND GetWindowHandle(WindowRef unit) {
  UnitObject* live = LiveObject(FindUnit(unit));
  if (!live) ReportRuntimeError(kNotLoaded, 0);
  return live->handle();
}

void SetProperty(WindowRef ref, int index, PropertyValue value) {
  UnitDescription& unit = UnitForProperty(ref);
  UnitObject* live = LiveObject(&unit);
  if (index >= kClassProperty) {
    if (!live) ReportRuntimeError(kWindowNotLoaded, 0);
    live->SetClassProperty(index, value);
    return;
  }
  if (index != kVisibleProperty) return;  // the other common properties are not written here
  bool visible = AsBool(value);
  unit.visible = visible;
  if (!live) return;
  if (!visible) {
    ShowWindow(live->handle(), SW_HIDE);
  } else if (live->kind() == UnitKind::Window) {
    auto* window = static_cast<FormWindow*>(live);
    if (window->firstShowPending) {
      window->firstShowPending = false;
      window->FirstShow();
    } else {
      ShowWindow(window->handle(), SW_SHOW);
    }
  } else if (live->kind() != UnitKind::Timer) {
    ShowWindow(live->handle(), SW_SHOW);
  }
}

PropertyResult GetProperty(WindowRef ref, int index) {
  UnitDescription& unit = UnitForProperty(ref);
  UnitObject* live = LiveObject(&unit);
  if (index >= kClassProperty) {
    if (!live) ReportRuntimeError(kWindowNotLoaded, 0);
    return live->GetClassProperty(index);
  }
  if (index == kVisibleProperty) return live ? IsWindowVisible(live->handle()) != FALSE : unit.visible;
  return std::int32_t{0};
}

char* GetTextProperty(WindowRef unit, int index) {
  PropertyResult value = GetProperty(unit, index);
  if (auto* text = std::get_if<char*>(&value)) return *text;
  auto* flag = std::get_if<bool>(&value);
  return NewText(std::to_string(flag ? (*flag ? 1 : 0) : std::get<std::int32_t>(value)));
}

bool GetBoolProperty(WindowRef unit, int index) {
  PropertyResult value = GetProperty(unit, index);
  if (auto* flag = std::get_if<bool>(&value)) return *flag;
  if (auto* n = std::get_if<std::int32_t>(&value)) return *n != 0;
  char* text = std::get<char*>(value);
  bool set = text && *text;
  FreeText(text);
  return set;
}

EventOutcome RaiseEvent(std::uint32_t windowId, std::uint32_t unitId, std::int32_t event, EventArgs args) {
  if (EventSuppressionCount >= 1) return {};
  FormDescription* form = FindFormDescription(windowId);
  if (!form) ReportRuntimeError("未找到引发事件的窗口", 0);
  int index = FindUnitIndex(*form, unitId);
  if (index < 0) ReportRuntimeError("未找到引发事件的窗口组件", 0);
  // Every kind of this layer raises events; the binding list decides.
  const UnitDescription& unit = form->units[static_cast<std::size_t>(index)];
  Handler handler;
  for (const EventBinding& binding : unit.events) {
    if (binding.event == event) handler = binding.handler;
  }
  if (!handler) return {};
  EventOutcome outcome;
  outcome.handled = true;
  if (handler.withResult) {
    outcome.hasResult = true;
    outcome.result = handler.withResult(args);
  } else {
    handler.plain(args);
  }
  return outcome;
}
