#include "ui/icon_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "res/app_icon.h"

namespace {

struct Entry {
  int width;
  int colours;
  int bitCount;
};

void Put16(std::vector<unsigned char>& b, std::size_t at, unsigned v) {
  b[at] = static_cast<unsigned char>(v);
  b[at + 1] = static_cast<unsigned char>(v >> 8);
}
void Put32(std::vector<unsigned char>& b, std::size_t at, unsigned v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
}

// An icon file whose images are 40-byte headers only, each marked by its width.
std::vector<unsigned char> IconFile(const std::vector<Entry>& entries, unsigned type = 1) {
  std::size_t offset = 6 + 16 * entries.size();
  std::vector<unsigned char> b(offset + 40 * entries.size(), 0);
  Put16(b, 2, type);
  Put16(b, 4, static_cast<unsigned>(entries.size()));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    std::size_t e = 6 + 16 * i, image = offset + 40 * i;
    b[e] = b[e + 1] = static_cast<unsigned char>(entries[i].width);
    b[e + 2] = static_cast<unsigned char>(entries[i].colours);
    Put16(b, e + 4, 1);
    Put16(b, e + 6, static_cast<unsigned>(entries[i].bitCount));
    Put32(b, e + 8, 40);
    Put32(b, e + 12, static_cast<unsigned>(image));
    Put32(b, image, 40);
    Put32(b, image + 4, static_cast<unsigned>(entries[i].width));
    Put32(b, image + 8, static_cast<unsigned>(entries[i].width * 2));
    Put16(b, image + 14, static_cast<unsigned>(entries[i].bitCount));
  }
  return b;
}

int ChosenWidth(const std::vector<unsigned char>& file, int wanted) {
  auto image = FindIconImage(file.data(), file.size(), wanted);
  return image ? image->width : -1;
}

TEST(IconFileTest, ChoosesTheWantedWidthOfSixteenColoursInAnyOrder) {
  EXPECT_EQ(ChosenWidth(IconFile({{16, 16, 4}, {32, 16, 4}}), 16), 16);
  EXPECT_EQ(ChosenWidth(IconFile({{32, 16, 4}, {16, 16, 4}}), 16), 16);
  EXPECT_EQ(ChosenWidth(IconFile({{32, 16, 4}, {16, 16, 4}}), 32), 32);
}

TEST(IconFileTest, ColourCountZeroTakesTheLastEntry) {
  EXPECT_EQ(ChosenWidth(IconFile({{16, 0, 32}, {32, 0, 32}, {48, 0, 32}}), 16), 48);
  EXPECT_EQ(ChosenWidth(IconFile({{16, 0, 32}}), 32), 16);
}

TEST(IconFileTest, ReadsTheAppIcon) {
  auto image = FindIconImage(AppIcon, kAppIconSize, 16);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 128);
  EXPECT_EQ(image->height, 128);
  EXPECT_EQ(image->bitCount, 32);
  EXPECT_EQ(image->size, 67624u);
  EXPECT_EQ(image->bits, AppIcon + 22);
}

TEST(IconFileTest, AppIconHasTheDocumentedLayout) {
  const unsigned char header[22] = {0, 0, 1, 0, 1, 0, 128, 128, 0, 0, 1, 0, 32, 0, 0x28, 0x08, 1, 0, 22, 0, 0, 0};
  EXPECT_EQ(std::memcmp(AppIcon, header, sizeof header), 0);
  const unsigned char info[40] = {40, 0, 0, 0, 128, 0, 0, 0, 0, 1, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0,
                                  0,  0, 1, 0, 0x61, 0x0F, 0, 0, 0x61, 0x0F, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(std::memcmp(AppIcon + 22, info, sizeof info), 0);
}

TEST(IconFileTest, RejectsMalformedFiles) {
  std::vector<unsigned char> badReserved = IconFile({{16, 16, 4}});
  badReserved[0] = 1;
  EXPECT_FALSE(FindIconImage(badReserved.data(), badReserved.size(), 16));
  std::vector<unsigned char> type3 = IconFile({{16, 16, 4}}, 3);
  EXPECT_FALSE(FindIconImage(type3.data(), type3.size(), 16));
  std::vector<unsigned char> cursor = IconFile({{16, 16, 4}}, 2);
  EXPECT_TRUE(FindIconImage(cursor.data(), cursor.size(), 16));
  std::vector<unsigned char> none = IconFile({});
  EXPECT_FALSE(FindIconImage(none.data(), none.size(), 16));
  EXPECT_FALSE(FindIconImage(nullptr, 100, 16));
  EXPECT_FALSE(FindIconImage(AppIcon, 0, 16));
}

TEST(IconFileTest, EveryTruncationGivesNothingOrAViewInside) {
  for (std::size_t length = 0; length < 200; ++length) {
    std::vector<unsigned char> cut(AppIcon, AppIcon + length);  // exact-size buffer: ASan sees any overrun
    EXPECT_FALSE(FindIconImage(cut.data(), cut.size(), 16)) << length;
  }
  std::vector<unsigned char> almost(AppIcon, AppIcon + kAppIconSize - 1);
  EXPECT_FALSE(FindIconImage(almost.data(), almost.size(), 16));
}

TEST(IconFileTest, ImageOutsideTheFileGivesNothing) {
  std::vector<unsigned char> file = IconFile({{16, 16, 4}});
  Put32(file, 6 + 12, 0xFFFFFFF0u);  // offset far away
  EXPECT_FALSE(FindIconImage(file.data(), file.size(), 16));
  file = IconFile({{16, 16, 4}});
  Put32(file, 6 + 8, 0xFFFFFFFFu);  // size that wraps when added
  EXPECT_FALSE(FindIconImage(file.data(), file.size(), 16));
  file = IconFile({{16, 16, 4}});
  Put32(file, 6 + 8, 8);  // shorter than the header fields read
  EXPECT_FALSE(FindIconImage(file.data(), file.size(), 16));
}

}  // namespace
