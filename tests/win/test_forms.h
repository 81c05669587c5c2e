#pragma once
// A small form of every control kind, and a log of the events its handlers saw.
#include <string>
#include <vector>

#include "ui/form_description.h"

constexpr std::uint32_t kTestWindowId = 0x52000077u;
constexpr WindowRef kTestWindow{kTestWindowId, 0x06070001u};
constexpr WindowRef kTestLabel{kTestWindowId, 0x16070002u};
constexpr WindowRef kTestButton{kTestWindowId, 0x16070003u};
constexpr WindowRef kTestEdit{kTestWindowId, 0x16070004u};
constexpr WindowRef kTestTimer{kTestWindowId, 0x16070005u};
constexpr WindowRef kTestPicture{kTestWindowId, 0x16070006u};
constexpr WindowRef kTestSecondButton{kTestWindowId, 0x16070007u};

struct LoggedEvent {
  std::uint32_t unitId;
  std::int32_t event;
  std::vector<std::int32_t> args;
  bool operator==(const LoggedEvent& o) const { return unitId == o.unitId && event == o.event && args == o.args; }
};
std::vector<LoggedEvent>& EventLog();
std::string Describe(const std::vector<LoggedEvent>& log);

// What the button's click handler does, set by a test.
extern void (*g_onButtonClick)();
// The result the edit box's key-released handler returns (0 swallows the key).
extern int g_keyReleasedResult;

FormDescription TestForm();
std::vector<HandlerEntry> TestHandlers();
// Reads the test form together with the program's own two.
void UseTestForms();
