#include "res/app_icon.h"
#include "res/form_ids.h"
#include "res/forms.h"

using namespace mouse_form;

FormDescription MouseWindowForm() {
  WindowSettings window;
  window.title = "Korvelin";
  window.borderStyle = 0;
  window.alwaysOnTop = true;
  window.minimizeBox = false;
  window.keepTitleActive = true;
  window.icon = {AppIcon, kAppIconSize};
  UnitDescription self = MakeUnit(MouseWindow, UnitKind::Window, "", 50, 50, 260, 170, window);
  self.events = {{Event::kCreated, "MouseWindowCreated", {}}, {Event::kTray, "RestoreMouseWindow", {}}};

  LabelSettings title;
  title.caption = "Tavrik鼠标连点器";

  PicSettings icon;
  icon.picture = {AppIcon, kAppIconSize};
  icon.displayMode = 1;

  ButtonSettings toKeys;
  toKeys.caption = "切换为“键盘连点”";
  UnitDescription switchButton = MakeUnit(按钮1, UnitKind::Button, "按钮1", 64, 120, 130, 25, toKeys);
  switchButton.tabStop = true;
  switchButton.events = {{Event::kClicked, "SwitchToKeyWindow", {}}};

  UnitDescription timer = MakeUnit(时钟1, UnitKind::Timer, "时钟1", 146, 112, 32, 24, TimerSettings{});
  timer.events = {{Event::kTimer, "ClickTick", {}}};

  LabelSettings hint;
  hint.caption = "开始结束热键：F2";
  hint.textEffect = 2;
  hint.textColour = 0xFF0090;
  hint.horizontalAlign = 1;
  hint.wordWrap = true;
  hint.font = MakeFontBytes(-12, 700, "");

  LabelSettings status;
  status.caption = "已停止";
  status.borderStyle = 3;
  status.textColour = 0x0000FF;
  status.backColour = 0;
  status.horizontalAlign = 1;
  status.verticalAlign = 1;

  FormDescription form;
  form.windowId = kMouseWindowId;
  form.units = {
      self,
      MakeUnit(标签1, UnitKind::Label, "标签1", 24, 0, 96, 20, title),
      MakeUnit(图片框1, UnitKind::PicBox, "图片框1", 0, 0, 20, 20, icon),
      MakeTitleButton(按钮3, "按钮3", 184, "—", "HideMouseWindowToTray"),
      MakeTitleButton(按钮2, "按钮2", 224, "×", "CloseMouseWindow"),
      switchButton,
      timer,
      MakeUnit(标签3, UnitKind::Label, "标签3", 136, 56, 110, 24, hint),
      MakeUnit(标签_工作状态, UnitKind::Label, "标签_工作状态", 33, 55, 90, 25, status),
  };
  return form;
}
