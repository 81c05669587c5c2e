#pragma once
// Synthesised input: the program's only output.
#include <cstdint>
#include <variant>

// A key argument: a key code (low 8 bits used), a text naming the key by its
// first character, or absent (key code 0).
using KeyArg = std::variant<std::monostate, std::int32_t, const char*>;

// One press and one release of the left button where the cursor is.
void LeftClick();

// Presses the keys in order, then releases them in the same order; key1 is
// always sent, key2 and key3 only when not 0.
void SimulateKeyPress(KeyArg key1, KeyArg key2 = {}, KeyArg key3 = {});
