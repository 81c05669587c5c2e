#include "ui/text_convert.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/heap.h"

namespace {

struct IntCase {
  const char* text;
  std::int32_t expected;
};

class TextToIntTest : public testing::TestWithParam<IntCase> {};

TEST_P(TextToIntTest, ReadsTheLeadingNumber) {
  EXPECT_EQ(TextToInt(GetParam().text), GetParam().expected) << "text: " << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Plain, TextToIntTest,
                         testing::Values(IntCase{"50", 50}, IntCase{"", 0}, IntCase{"abc", 0}, IntCase{"0x1F", 0},
                                         IntCase{"1 000", 1}, IntCase{"   -12", -12}, IntCase{"+7", 7},
                                         IntCase{"- 5", 0}, IntCase{"\t\n\v\f\r 9", 9}, IntCase{"--3", 0},
                                         IntCase{"12abc", 12}, IntCase{"007", 7}));

// Code page 936 bytes: full-width digits are A3 B0..A3 B9, the ideographic space A1 A1.
INSTANTIATE_TEST_SUITE_P(FullWidth, TextToIntTest,
                         testing::Values(IntCase{"５０", 50}, IntCase{"５0毫秒", 50}, IntCase{"\xA1\xA1" "50", 50},
                                         IntCase{"－12", -12}, IntCase{"＋８", 8},
                                         IntCase{"12\xB0", 12},          // lone lead byte at the very end
                                         IntCase{"毫50", 0},             // a character not in the table
                                         IntCase{"\xA1\xAB" "5", 0},     // full-width tilde is '~', not a digit
                                         IntCase{"\xA3", 0}));

INSTANTIATE_TEST_SUITE_P(Limits, TextToIntTest,
                         testing::Values(IntCase{"2147483647", 2147483647}, IntCase{"2147483648", INT32_MIN},
                                         IntCase{"-2147483648", INT32_MIN}, IntCase{"4294967297", 1},
                                         IntCase{"99999999999999999999", 1661992959}));

TEST(TextToIntTest, LongTextIsReadWithoutOverrun) {
  std::string digits(100000, '7');
  std::string text = " " + digits + "x";
  TextToInt(text.c_str());  // wraps; ASan checks the walk
  std::string dbcs;
  for (int i = 0; i < 50000; ++i) dbcs += "５";
  EXPECT_NE(TextToInt(dbcs.c_str()), 0);
}

using TextPtr = std::unique_ptr<char, void (*)(char*)>;
TextPtr Own(char* text) { return TextPtr(text, FreeText); }

struct CharCase {
  std::int32_t code;
  const char* expected;  // nullptr: the absent text
};

class CharFromCodeTest : public testing::TestWithParam<CharCase> {};

TEST_P(CharFromCodeTest, GivesTheLowByte) {
  TextPtr text = Own(CharFromCode(GetParam().code));
  if (!GetParam().expected) {
    EXPECT_EQ(text.get(), nullptr);
  } else {
    ASSERT_NE(text.get(), nullptr);
    EXPECT_STREQ(text.get(), GetParam().expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Codes, CharFromCodeTest,
                         testing::Values(CharCase{65, "A"}, CharCase{321, "A"}, CharCase{0, nullptr},
                                         CharCase{256, nullptr}, CharCase{112, "p"}, CharCase{-80, "\xB0"},
                                         CharCase{0x10, "\x10"}));

TEST(CharCodeTest, ReadsSignedBytesAtPositions) {
  EXPECT_EQ(CharCode("A"), 65);
  EXPECT_EQ(CharCode(""), 0);
  EXPECT_EQ(CharCode("\xB0\xA1"), -80);
  EXPECT_EQ(CharCode("AB", 2), 66);
  EXPECT_EQ(CharCode("AB", 1), 65);
  for (std::int32_t outside : {0, 3, -1, INT32_MIN, INT32_MAX}) EXPECT_EQ(CharCode("AB", outside), 0) << outside;
}

TEST(CharCodeTest, RoundTripKeepsTheLowByte) {
  for (std::int32_t code = -300; code <= 600; ++code) {
    TextPtr text = Own(CharFromCode(code));
    std::int32_t back = CharCode(text ? text.get() : "");
    EXPECT_EQ(back & 0xFF, code & 0xFF) << code;
  }
}

TEST(CompareTextTest, OrdersByUnsignedBytes) {
  EXPECT_EQ(CompareText(nullptr, ""), 0);
  EXPECT_EQ(CompareText(nullptr, nullptr), 0);
  EXPECT_EQ(CompareText("", nullptr), 0);
  EXPECT_EQ(CompareText(nullptr, "x"), -1);
  EXPECT_EQ(CompareText("x", nullptr), 1);
  EXPECT_EQ(CompareText("已停止", "已停止"), 0);
  EXPECT_NE(CompareText("运行中", "已停止"), 0);
  EXPECT_EQ(CompareText("ab", "abc"), -1);
  EXPECT_EQ(CompareText("abc", "ab"), 1);
  EXPECT_EQ(CompareText("\xB0", "A"), 1);
  EXPECT_EQ(CompareText("已停止 ", "已停止"), 1);
}

}  // namespace
