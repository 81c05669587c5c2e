#include "ui/gdi_resources.h"

#include <cstring>
#include <vector>

#include "ui/icon_file.h"

unique_hfont MakeFont(const FontBytes& bytes) {
  if (bytes.size() != kLogFontSize) return unique_hfont();
  static_assert(sizeof(LOGFONTA) == kLogFontSize, "a stored font is one LOGFONTA");
  LOGFONTA font;
  std::memcpy(&font, bytes.data(), sizeof font);
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = PROOF_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH;
  return unique_hfont(CreateFontIndirectA(&font));
}

HFONT FontOrDefault(const unique_hfont& font) {
  return font ? font.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HICON IconFromBytes(const unsigned char* data, std::size_t length, int wantedWidth) {
  std::optional<IconImage> image = FindIconImage(data, length, wantedWidth);
  if (!image) return nullptr;
  // The system wants a writable buffer; the file's bytes stay untouched.
  std::vector<BYTE> bits(image->bits, image->bits + image->size);
  auto size = static_cast<DWORD>(bits.size());
  HICON icon = CreateIconFromResourceEx(bits.data(), size, TRUE, 0x30000, image->width, image->height, 0);
  if (!icon && image->bitCount != 16) icon = CreateIconFromResource(bits.data(), size, TRUE, 0x30000);
  return icon;
}

SIZE IconSize(HICON icon) {
  ICONINFO info{};
  SIZE size{0, 0};
  if (!icon || !GetIconInfo(icon, &info)) return size;
  unique_hbitmap colour(info.hbmColor), mask(info.hbmMask);
  BITMAP bitmap{};
  if (colour && GetObjectA(colour.get(), sizeof bitmap, &bitmap)) {
    size = {bitmap.bmWidth, bitmap.bmHeight};
  } else if (mask && GetObjectA(mask.get(), sizeof bitmap, &bitmap)) {
    size = {bitmap.bmWidth, bitmap.bmHeight / 2};  // monochrome: image and mask stacked
  }
  return size;
}
