#pragma once
// The declarative description of a window and its controls. Pure data: the
// window layer builds live windows from it; nothing here touches the system.
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// Names a unit: the window's form id and the unit's id in it.
struct WindowRef {
  std::uint32_t windowId;
  std::uint32_t unitId;
};

// Top four bits of a unit id: what the unit is.
constexpr std::uint32_t kUnitKindShift = 28;
constexpr std::uint32_t kWindowUnitBits = 0, kControlUnitBits = 1;

enum class UnitKind : std::uint8_t { Window, Label, Button, EditBox, PicBox, Timer };

// Colour meaning "the system's button-face colour".
constexpr std::uint32_t kDefaultColour = 0xFF000000u;

// Bytes kept in a description: an icon file or a LOGFONTA of 60 bytes.
struct ByteArray {
  const unsigned char* data = nullptr;
  std::size_t size = 0;
};
constexpr std::size_t kLogFontSize = 60;
using FontBytes = std::vector<unsigned char>;  // empty: the default GUI font

// Arguments of an event, as 32-bit values in the order the event defines.
struct EventArgs {
  std::int32_t values[2] = {0, 0};
  int count = 0;
  std::int32_t operator[](int i) const { return values[i]; }
};

// A handler routine: returns nothing, or a 32-bit result for the code that raised the event.
struct Handler {
  using Plain = void (*)(const EventArgs&);
  using WithResult = std::int32_t (*)(const EventArgs&);
  Plain plain = nullptr;
  WithResult withResult = nullptr;
  Handler() = default;
  Handler(Plain fn) : plain(fn) {}            // NOLINT: handlers are bound by plain names
  Handler(WithResult fn) : withResult(fn) {}  // NOLINT
  explicit operator bool() const { return plain || withResult; }
};

// A routine a description may name, and the name it goes by.
struct HandlerEntry {
  const char* name;
  Handler handler;
};

// Event numbers bound in descriptions.
namespace Event {
constexpr std::int32_t kCreated = 0, kClicked = 0, kTimer = 0, kContentChanged = 0;
constexpr std::int32_t kBeingDestroyed = 2, kMoved = 3, kResized = 4, kCloseQuery = 1, kCloseQueryFirst = 12;
constexpr std::int32_t kTray = 9, kShown = 10, kHidden = 11;
constexpr std::int32_t kLeftDown = -1, kLeftUp = -2, kLeftDoubleClick = -3, kRightDown = -4, kRightUp = -5;
constexpr std::int32_t kMouseMove = -6, kGetsFocus = -7, kKeyDown = -9, kKeyReleased = -10, kChar = -11;
constexpr std::int32_t kMouseWheel = -12;
}  // namespace Event

struct EventBinding {
  std::int32_t event;
  const char* handlerName;
  Handler handler;  // resolved from the name when the descriptions are read
};

struct WindowSettings {
  std::string title;
  int borderStyle = 2;
  std::uint32_t backColour = kDefaultColour;
  bool controlBox = true, maximizeBox = false, minimizeBox = true;
  int startPosition = 1;
  bool movable = true;
  ByteArray icon;
  bool enterMovesFocus = false, escCloses = true, showInTaskbar = true, dragAnywhere = false;
  bool alwaysOnTop = false, keepTitleActive = false;
};

struct LabelSettings {
  std::string caption = "标签";
  int textEffect = 0, borderStyle = 0;
  FontBytes font;
  std::uint32_t textColour = 0, backColour = kDefaultColour;
  int horizontalAlign = 0;
  bool wordWrap = false;
  int verticalAlign = 1;
};

struct ButtonSettings {
  int buttonType = 0;
  std::string caption = "按钮";
  int horizontalAlign = 1, verticalAlign = 1;
  FontBytes font;
};

struct EditSettings {
  std::string content;
  int borderStyle = 1;
  std::uint32_t textColour = 0, backColour = 0xFFFFFF;
  FontBytes font;
  bool hideSelection = true;
  std::int32_t maxLength = 0;
  bool multiLine = false;
  int scrollBars = 0, alignment = 0, inputMode = 0;
  std::uint16_t passwordChar = 42;
  int letterCase = 0;
  std::int32_t selectionStart = 0, selectionLength = 0;
};

struct PicSettings {
  int borderStyle = 0;
  std::uint32_t backColour = kDefaultColour;
  ByteArray picture;
  int displayMode = 0;
};

struct TimerSettings {
  std::int32_t period = 0;
};

using KindSettings =
    std::variant<WindowSettings, LabelSettings, ButtonSettings, EditSettings, PicSettings, TimerSettings>;

class UnitObject;  // the live object of a built unit, owned by the window layer

struct UnitDescription {
  std::uint32_t id = 0;
  UnitKind kind = UnitKind::Window;
  std::string name;
  std::string remark;
  std::int32_t left = 0, top = 0, width = 0, height = 0;
  std::string tag;
  bool visible = true, disabled = false, tabStop = false;
  std::int32_t focusOrder = 0;
  KindSettings settings;
  std::vector<EventBinding> events;
  UnitObject* live = nullptr;  // set while the unit is built
};

struct FormDescription {
  std::uint32_t windowId = 0;
  std::vector<UnitDescription> units;  // units[0] is the window itself
};

// Reads the stored descriptions into the working set, resolving every binding by
// name through `handlers`. False when the data is incomplete: no units, a first
// unit that is not a window, a malformed unit id, or a handler name not found.
bool ReadFormDataBlock(const std::vector<FormDescription>& stored, const std::vector<HandlerEntry>& handlers);

// The working description of a window id, or nullptr.
FormDescription* FindFormDescription(std::uint32_t windowId);

// All working descriptions, in the order they were read.
std::vector<FormDescription>& FormDescriptions();

// The index of a unit in its description (0 is the window; unit id 0 also names
// the window), or -1.
int FindUnitIndex(const FormDescription& form, std::uint32_t unitId);
