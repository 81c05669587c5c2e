#pragma once
// Fonts and icons made from the bytes a description stores.
#include <windows.h>

#include "ui/form_description.h"
#include "ui/handles.h"

// The font of 60 LOGFONTA bytes with character set, precisions, quality and
// pitch overwritten; empty (meaning DEFAULT_GUI_FONT) for any other length or
// when the font cannot be made.
unique_hfont MakeFont(const FontBytes& bytes);

// The font to select: the owned one, else the stock default GUI font.
HFONT FontOrDefault(const unique_hfont& font);

// An icon from icon-file bytes by the entry rule; the caller owns it.
HICON IconFromBytes(const unsigned char* data, std::size_t length, int wantedWidth);

// The size of an icon's image.
SIZE IconSize(HICON icon);
