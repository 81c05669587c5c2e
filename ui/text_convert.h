#pragma once
#include <cstdint>
#include <optional>

// Conversions between texts (ANSI code page, NUL-terminated, nullptr = absent =
// empty) and 32-bit integers. Texts returned are heap blocks owned by the caller
// (FreeText); an empty result is returned as nullptr.

// Leading decimal number after white space and one sign; full-width forms of
// code page 936 count as their ASCII twins; overflow wraps. `text` must be present.
std::int32_t TextToInt(const char* text);

// The one-byte text of the code's low 8 bits, or nullptr when they are 0.
char* CharFromCode(std::int32_t code);

// The byte at `position` (from 1; the first when left out) as a signed 8-bit
// value; 0 outside the text. `text` must be present.
std::int32_t CharCode(const char* text, std::optional<std::int32_t> position = std::nullopt);

// -1, 0 or 1 by unsigned bytes; absent and empty compare equal.
std::int32_t CompareText(const char* a, const char* b);
