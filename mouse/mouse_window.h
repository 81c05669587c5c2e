#pragma once
#include <vector>

#include "ui/form_description.h"

// The handlers MouseWindow's description binds, by name.
std::vector<HandlerEntry> MouseWindowHandlers();
