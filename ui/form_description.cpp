#include "ui/form_description.h"

#include <cstring>

namespace {

std::vector<FormDescription> g_forms;

bool IsWellFormedUnitId(std::uint32_t id, bool isWindow) {
  std::uint32_t kindBits = id >> kUnitKindShift;
  bool marked = ((id >> 24) & 0xF) == 6 && (id & 0xFFFFFF) != 0;
  return marked && kindBits == (isWindow ? kWindowUnitBits : kControlUnitBits);
}

bool ResolveBindings(UnitDescription& unit, const std::vector<HandlerEntry>& handlers) {
  for (EventBinding& binding : unit.events) {
    binding.handler = Handler();
    for (const HandlerEntry& entry : handlers) {
      if (binding.handlerName && std::strcmp(entry.name, binding.handlerName) == 0) binding.handler = entry.handler;
    }
    if (!binding.handler) return false;
  }
  return true;
}

bool ReadForm(FormDescription& form, const std::vector<HandlerEntry>& handlers) {
  if (form.units.empty() || form.units[0].kind != UnitKind::Window) return false;
  for (std::size_t i = 0; i < form.units.size(); ++i) {
    UnitDescription& unit = form.units[i];
    bool isWindow = i == 0;
    if ((unit.kind == UnitKind::Window) != isWindow || !IsWellFormedUnitId(unit.id, isWindow)) return false;
    if (!ResolveBindings(unit, handlers)) return false;
    unit.live = nullptr;
  }
  return true;
}

}  // namespace

bool ReadFormDataBlock(const std::vector<FormDescription>& stored, const std::vector<HandlerEntry>& handlers) {
  std::vector<FormDescription> forms = stored;
  if (forms.empty()) return false;
  for (FormDescription& form : forms) {
    if (!ReadForm(form, handlers)) return false;
  }
  g_forms = std::move(forms);
  return true;
}

FormDescription* FindFormDescription(std::uint32_t windowId) {
  for (FormDescription& form : g_forms) {
    if (form.windowId == windowId) return &form;
  }
  return nullptr;
}

std::vector<FormDescription>& FormDescriptions() { return g_forms; }

int FindUnitIndex(const FormDescription& form, std::uint32_t unitId) {
  if (unitId == 0) return form.units.empty() ? -1 : 0;
  for (std::size_t i = 0; i < form.units.size(); ++i) {
    if (form.units[i].id == unitId) return static_cast<int>(i);
  }
  return -1;
}
