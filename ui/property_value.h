#pragma once
#include <cstdint>
#include <variant>

// A value written to a property: a flag, a number or a text (nullptr = empty).
using PropertyValue = std::variant<bool, std::int32_t, const char*>;

// A value read from a property; a text is a new heap block the caller frees.
using PropertyResult = std::variant<bool, std::int32_t, char*>;

std::int32_t AsInt(const PropertyValue& value);
bool AsBool(const PropertyValue& value);
// The text of a value; numbers as decimal, flags as "1" or "0".
const char* AsText(const PropertyValue& value, char (&scratch)[16]);
