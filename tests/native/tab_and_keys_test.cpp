#include <gtest/gtest.h>

#include "app/error_text.h"
#include "ui/key_code.h"
#include "ui/tab_order.h"

namespace {

TEST(TabOrderTest, EqualValuesComeInReverseUnitOrder) {
  // MouseWindow's buttons stand at list places 3 (按钮3), 4 (按钮2), 5 (按钮1).
  EXPECT_EQ(OrderTabStops({{3, 0}, {4, 0}, {5, 0}}), (std::vector<int>{5, 4, 3}));
  // KeyWindow: 编辑框2 2, 按钮5 5, 按钮4 6, 按钮3 7, 按钮2 8, 编辑框1 10, 按钮1 13.
  EXPECT_EQ(OrderTabStops({{2, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}, {10, 0}, {13, 0}}),
            (std::vector<int>{13, 10, 8, 7, 6, 5, 2}));
  EXPECT_EQ(OrderTabStops({{1, 2}, {2, 1}, {3, 1}}), (std::vector<int>{3, 2, 1}));
}

TEST(TabOrderTest, NextWrapsBothWays) {
  const std::vector<int> order{5, 4, 3};
  EXPECT_EQ(NextTabStop(order, 5, false), 4);
  EXPECT_EQ(NextTabStop(order, 3, false), 5);
  EXPECT_EQ(NextTabStop(order, 5, true), 3);
  EXPECT_EQ(NextTabStop(order, 4, true), 5);
  EXPECT_EQ(NextTabStop(order, -1, false), 5);
  EXPECT_EQ(NextTabStop(order, 99, true), 3);
  EXPECT_EQ(NextTabStop({}, 1, false), -1);
}

TEST(KeyCodeTest, KeypadKeysBecomeMainKeys) {
  const struct {
    std::uint32_t vk;
    std::int32_t code;
  } cases[] = {{0x60, 0x30}, {0x65, 0x35}, {0x69, 0x39}, {0x6D, 0xBD}, {0x6E, 0xBE}, {0x6F, 0xBF},
               {0x6A, 0x6A}, {0x6B, 0x6B}, {0x41, 0x41}, {0x70, 0x70}, {0x141, 0x41}};
  for (const auto& c : cases) EXPECT_EQ(TranslateKeyCode(c.vk), c.code) << c.vk;
}

TEST(KeyCodeTest, AModifierDoesNotCountItself) {
  EXPECT_EQ(ModifierFlags(true, false, false, 0x11), 0);
  EXPECT_EQ(ModifierFlags(false, true, false, 0x10), 0);
  EXPECT_EQ(ModifierFlags(false, false, true, 0x12), 0);
  EXPECT_EQ(ModifierFlags(false, true, false, 0x41), kModShift);
  EXPECT_EQ(ModifierFlags(true, true, true, 0x41), kModCtrl | kModShift | kModAlt);
  EXPECT_EQ(ModifierFlags(true, true, false, 0x10), kModCtrl);
}

TEST(ErrorTextTest, LaysOutHeadingCodeAndMessage) {
  EXPECT_EQ(BuildErrorText("调用DLL命令后发现堆栈错误", 6),
            "运行时出错!\r\n\r\n错误代码：6\r\n\r\n错误信息：调用DLL命令后发现堆栈错误\r\n");
  EXPECT_EQ(BuildErrorText("载入启动窗口失败", 0), "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
  EXPECT_EQ(BuildErrorText("", 0), "运行时出错!\r\n\r\n");
  EXPECT_EQ(BuildErrorText(nullptr, 4), "运行时出错!\r\n\r\n错误代码：4\r\n\r\n");
  EXPECT_STREQ(ErrorCodeMessage(1), "数组成员引用下标超出定义范围");
  EXPECT_STREQ(ErrorCodeMessage(4), "数组成员引用下标必须大于等于1");
}

}  // namespace
