#include "tests/win/test_forms.h"

#include <sstream>

#include "app/runtime.h"
#include "keys/key_window.h"
#include "mouse/mouse_window.h"
#include "res/app_icon.h"
#include "res/forms.h"

void (*g_onButtonClick)() = nullptr;
int g_keyReleasedResult = 1;

std::vector<LoggedEvent>& EventLog() {
  static std::vector<LoggedEvent> log;
  return log;
}

std::string Describe(const std::vector<LoggedEvent>& log) {
  std::ostringstream out;
  for (const LoggedEvent& e : log) {
    out << "{0x" << std::hex << e.unitId << std::dec << ", " << e.event;
    for (std::int32_t a : e.args) out << ", " << a;
    out << "} ";
  }
  return out.str();
}

namespace {

void Record(std::uint32_t unit, std::int32_t event, const EventArgs& e) {
  std::vector<std::int32_t> args(e.values, e.values + e.count);
  EventLog().push_back({unit, event, args});
}

template <std::uint32_t Unit, std::int32_t Event>
void Log(const EventArgs& e) {
  Record(Unit, Event, e);
}

void ClickButton(const EventArgs& e) {
  Record(kTestButton.unitId, Event::kClicked, e);
  if (g_onButtonClick) g_onButtonClick();
}

std::int32_t KeyReleased(const EventArgs& e) {
  Record(kTestEdit.unitId, Event::kKeyReleased, e);
  return g_keyReleasedResult;
}

EventBinding Bind(std::int32_t event, const char* name) { return {event, name, {}}; }

}  // namespace

FormDescription TestForm() {
  WindowSettings window;
  window.title = "TestWindow";
  window.borderStyle = 0;
  window.icon = {AppIcon, kAppIconSize};
  UnitDescription self = MakeUnit(kTestWindow, UnitKind::Window, "", 0, 0, 260, 170, window);
  self.events = {Bind(Event::kCreated, "w.created"), Bind(Event::kMoved, "w.moved"),
                 Bind(Event::kResized, "w.resized"), Bind(Event::kTray, "w.tray"),
                 Bind(Event::kBeingDestroyed, "w.destroyed")};

  LabelSettings label;
  label.caption = "caption";
  UnitDescription button = MakeUnit(kTestButton, UnitKind::Button, "b", 10, 40, 80, 25, ButtonSettings{});
  button.tabStop = true;
  button.events = {Bind(Event::kClicked, "b.clicked")};
  UnitDescription second = MakeUnit(kTestSecondButton, UnitKind::Button, "b2", 100, 40, 80, 25, ButtonSettings{});
  second.tabStop = true;
  EditSettings edit;
  edit.content = "hi";
  UnitDescription editUnit = MakeUnit(kTestEdit, UnitKind::EditBox, "e", 10, 80, 80, 10, edit);
  editUnit.tabStop = true;
  editUnit.events = {Bind(Event::kContentChanged, "e.changed"), Bind(Event::kKeyReleased, "e.keyup")};
  UnitDescription timer = MakeUnit(kTestTimer, UnitKind::Timer, "t", 0, 0, 10, 10, TimerSettings{});
  timer.events = {Bind(Event::kTimer, "t.tick")};
  PicSettings pic;
  pic.picture = {AppIcon, kAppIconSize};
  pic.displayMode = 3;

  FormDescription form;
  form.windowId = kTestWindowId;
  form.units = {self,
                MakeUnit(kTestLabel, UnitKind::Label, "l", 10, 10, 100, 20, label),
                button,
                editUnit,
                timer,
                MakeUnit(kTestPicture, UnitKind::PicBox, "p", 200, 100, 20, 20, pic),
                second};
  return form;
}

std::vector<HandlerEntry> TestHandlers() {
  constexpr std::uint32_t w = kTestWindow.unitId, e = kTestEdit.unitId, t = kTestTimer.unitId;
  return {{"w.created", Log<w, Event::kCreated>},       {"w.moved", Log<w, Event::kMoved>},
          {"w.resized", Log<w, Event::kResized>},       {"w.tray", Log<w, Event::kTray>},
          {"w.destroyed", Log<w, Event::kBeingDestroyed>}, {"b.clicked", ClickButton},
          {"e.changed", Log<e, Event::kContentChanged>}, {"e.keyup", KeyReleased},
          {"t.tick", Log<t, Event::kTimer>}};
}

void UseTestForms() {
  std::vector<FormDescription> forms = StoredForms();
  forms.push_back(TestForm());
  std::vector<HandlerEntry> handlers = TestHandlers();
  for (const auto& list : {MouseWindowHandlers(), KeyWindowHandlers()}) handlers.insert(handlers.end(), list.begin(), list.end());
  ReadFormDataBlock(forms, handlers);
}
