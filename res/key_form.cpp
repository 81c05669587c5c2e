#include "res/app_icon.h"
#include "res/form_ids.h"
#include "res/forms.h"

using namespace key_form;

namespace {

UnitDescription Button(WindowRef ref, const char* name, int left, int top, int width, int height,
                       const char* caption, const char* handler) {
  ButtonSettings button;
  button.caption = caption;
  UnitDescription unit = MakeUnit(ref, UnitKind::Button, name, left, top, width, height, button);
  unit.tabStop = true;
  unit.events = {{Event::kClicked, handler, {}}};
  return unit;
}

UnitDescription Label(WindowRef ref, const char* name, int left, int top, int width, int height,
                      const char* caption) {
  LabelSettings label;
  label.caption = caption;
  return MakeUnit(ref, UnitKind::Label, name, left, top, width, height, label);
}

}  // namespace

FormDescription KeyWindowForm() {
  WindowSettings window;
  window.borderStyle = 0;
  window.icon = {AppIcon, kAppIconSize};
  UnitDescription self = MakeUnit(KeyWindow, UnitKind::Window, "", 50, 50, 260, 170, window);
  // Event 1 is the close query of Esc and of the system's close request.
  self.events = {{Event::kTray, "RestoreKeyWindow", {}}, {Event::kCloseQuery, "ReturnToMouseWindow", {}}};

  UnitDescription keyBox = MakeUnit(编辑框2, UnitKind::EditBox, "编辑框2", 120, 56, 24, 16, EditSettings{});
  keyBox.tabStop = true;
  keyBox.events = {{Event::kKeyReleased, "CaptureKey", {}}};

  PicSettings icon;
  icon.picture = {AppIcon, kAppIconSize};
  icon.displayMode = 1;

  EditSettings interval;
  interval.content = "50";
  UnitDescription intervalBox = MakeUnit(编辑框1, UnitKind::EditBox, "编辑框1", 80, 88, 40, 25, interval);
  intervalBox.tabStop = true;

  UnitDescription pressTimer = MakeUnit(时钟1, UnitKind::Timer, "时钟1", 232, 128, 26, 26, TimerSettings{});
  pressTimer.events = {{Event::kTimer, "PressTick", {}}};

  FormDescription form;
  form.windowId = kKeyWindowId;
  form.units = {
      self,
      Label(标签3, "标签3", 120, 32, 24, 16, "按键"),
      keyBox,
      MakeUnit(图片框1, UnitKind::PicBox, "图片框1", 0, 0, 20, 20, icon),
      Label(标签2, "标签2", 24, 0, 96, 20, "Tavrik键盘连点器"),
      MakeTitleButton(按钮5, "按钮5", 184, "—", "HideKeyWindowToTray"),
      MakeTitleButton(按钮4, "按钮4", 224, "×", "CloseBothWindows"),
      Button(按钮3, "按钮3", 160, 32, 90, 35, "停止模拟", "StopPressing"),
      Button(按钮2, "按钮2", 16, 32, 90, 35, "开始模拟", "ApplyInterval"),
      Label(标签1, "标签1", 136, 88, 56, 25, "毫秒/次"),
      intervalBox,
      MakeUnit(时钟2, UnitKind::Timer, "时钟2", 296, 56, 26, 26, TimerSettings{}),
      pressTimer,
      Button(按钮1, "按钮1", 64, 128, 130, 25, "切换为“鼠标连点”", "SwitchToMouseWindow"),
  };
  return form;
}
