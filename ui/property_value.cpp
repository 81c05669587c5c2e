#include "ui/property_value.h"

#include <cstdio>

#include "ui/text_convert.h"

std::int32_t AsInt(const PropertyValue& value) {
  if (auto* n = std::get_if<std::int32_t>(&value)) return *n;
  if (auto* b = std::get_if<bool>(&value)) return *b ? 1 : 0;
  const char* text = std::get<const char*>(value);
  return TextToInt(text ? text : "");
}

bool AsBool(const PropertyValue& value) { return AsInt(value) != 0; }

const char* AsText(const PropertyValue& value, char (&scratch)[16]) {
  if (auto* text = std::get_if<const char*>(&value)) return *text ? *text : "";
  std::snprintf(scratch, sizeof scratch, "%d", static_cast<int>(AsInt(value)));
  return scratch;
}
