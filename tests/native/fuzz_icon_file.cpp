// Any bytes as an icon file: the loader's view never leaves the buffer.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "ui/icon_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<unsigned char> file(data, data + size);  // exactly sized, so ASan sees any overrun
  for (int wanted : {16, 32}) {
    auto image = FindIconImage(file.data(), file.size(), wanted);
    if (!image) continue;
    const unsigned char* end = file.data() + file.size();
    if (image->bits < file.data() || image->bits + image->size > end) std::abort();
    volatile unsigned char sink = image->bits[image->size - 1];  // the whole view is readable
    (void)sink;
  }
  return 0;
}
