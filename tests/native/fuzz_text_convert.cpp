// Any bytes as a text: the conversions never read past its end.
#include <cstdint>
#include <cstring>
#include <vector>

#include "app/heap.h"
#include "ui/text_convert.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<char> text(data, data + size);
  text.push_back(0);
  TextToInt(text.data());
  std::int32_t position = size >= 4 ? static_cast<std::int32_t>(data[0] | (data[1] << 8)) - 100 : 1;
  CharCode(text.data(), position);
  CharCode(text.data());
  std::size_t half = size / 2;
  std::vector<char> a(data, data + half), b(data + half, data + size);
  a.push_back(0);
  b.push_back(0);
  CompareText(a.data(), b.data());
  FreeText(CharFromCode(size ? data[0] : 0));
  return 0;
}
