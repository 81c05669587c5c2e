#pragma once
#include <vector>

#include "ui/form_description.h"

// The stored descriptions of MouseWindow and KeyWindow, bindings still by name.
std::vector<FormDescription> StoredForms();
FormDescription MouseWindowForm();
FormDescription KeyWindowForm();

// A stored font: the 60 bytes of a LOGFONTA with the given height, weight and face.
FontBytes MakeFontBytes(int height, int weight, const char* face);

// Helpers the two descriptions share.
UnitDescription MakeUnit(WindowRef ref, UnitKind kind, const char* name, int left, int top, int width, int height,
                         KindSettings settings);
// A "—" or "×" button of a window's own title row: 30 x 15 at the top, bold Arial, a tab stop.
UnitDescription MakeTitleButton(WindowRef ref, const char* name, int left, const char* caption, const char* handler);
