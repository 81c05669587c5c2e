// The interval timer: a hidden window of the layer carrying system timer 1000.
#include "ui/controls.h"

namespace {

constexpr UINT_PTR kSystemTimerId = 1000;

class IntervalTimer : public UnitObject {
 public:
  IntervalTimer(WindowRef ref, std::int32_t period) : UnitObject(ref, UnitKind::Timer), period_(period < 0 ? 0 : period) {}

  void SetClassProperty(int index, const PropertyValue& value) override {
    if (index != 8) return;
    std::int32_t period = AsInt(value);
    if (period < 0) period = 0;
    if (period == period_) return;  // a running timer keeps its phase
    period_ = period;
    if (running_) KillTimer(handle_, kSystemTimerId);
    running_ = period_ > 0;
    if (running_) SetTimer(handle_, kSystemTimerId, static_cast<UINT>(period_), nullptr);
  }

  PropertyResult GetClassProperty(int index) override { return index == 8 ? period_ : 0; }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    LRESULT result = UnitObject::WindowProc(message, wParam, lParam);
    switch (message) {
      case WM_CREATE:
        if (period_ > 0) {
          SetTimer(handle_, kSystemTimerId, static_cast<UINT>(period_), nullptr);
          running_ = true;
        }
        break;
      case WM_TIMER: Raise(Event::kTimer); break;
      case WM_DESTROY:
        if (running_) KillTimer(handle_, kSystemTimerId);
        running_ = false;
        break;
      default: break;
    }
    return result;
  }

 private:
  std::int32_t period_;
  bool running_ = false;
};

}  // namespace

std::unique_ptr<UnitObject> BuildTimer(const UnitDescription& unit, WindowRef ref, ControlPlace place) {
  auto timer = std::make_unique<IntervalTimer>(ref, std::get<TimerSettings>(unit.settings).period);
  const char* cls =
      RegisterUnitClass("ClickerTimer", CS_DBLCLKS, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
  if (!CreateControlWindow(*timer, unit, cls, false, nullptr, 0, place)) return nullptr;
  return timer;
}
