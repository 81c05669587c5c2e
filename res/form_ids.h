#pragma once
// Names of the two windows and their controls, as the handlers use them.
#include "ui/form_description.h"

constexpr std::uint32_t kMouseWindowId = 0x52000001u;
constexpr std::uint32_t kKeyWindowId = 0x52000002u;

namespace mouse_form {
constexpr WindowRef MouseWindow{kMouseWindowId, 0x06010001u};
constexpr WindowRef 标签1{kMouseWindowId, 0x16010002u};
constexpr WindowRef 图片框1{kMouseWindowId, 0x16010003u};
constexpr WindowRef 按钮3{kMouseWindowId, 0x16010004u};
constexpr WindowRef 按钮2{kMouseWindowId, 0x16010005u};
constexpr WindowRef 按钮1{kMouseWindowId, 0x16010006u};
constexpr WindowRef 时钟1{kMouseWindowId, 0x16010007u};
constexpr WindowRef 标签3{kMouseWindowId, 0x16010008u};
constexpr WindowRef 标签_工作状态{kMouseWindowId, 0x16010009u};
}  // namespace mouse_form

namespace key_form {
constexpr WindowRef KeyWindow{kKeyWindowId, 0x06020001u};
constexpr WindowRef 标签3{kKeyWindowId, 0x16020002u};
constexpr WindowRef 编辑框2{kKeyWindowId, 0x16020003u};
constexpr WindowRef 图片框1{kKeyWindowId, 0x16020004u};
constexpr WindowRef 标签2{kKeyWindowId, 0x16020005u};
constexpr WindowRef 按钮5{kKeyWindowId, 0x16020006u};
constexpr WindowRef 按钮4{kKeyWindowId, 0x16020007u};
constexpr WindowRef 按钮3{kKeyWindowId, 0x16020008u};
constexpr WindowRef 按钮2{kKeyWindowId, 0x16020009u};
constexpr WindowRef 标签1{kKeyWindowId, 0x1602000Au};
constexpr WindowRef 编辑框1{kKeyWindowId, 0x1602000Bu};
constexpr WindowRef 时钟2{kKeyWindowId, 0x1602000Cu};
constexpr WindowRef 时钟1{kKeyWindowId, 0x1602000Du};
constexpr WindowRef 按钮1{kKeyWindowId, 0x1602000Eu};
}  // namespace key_form
