#pragma once
#include <vector>

#include "ui/form_description.h"

// The handlers KeyWindow's description binds, by name.
std::vector<HandlerEntry> KeyWindowHandlers();
